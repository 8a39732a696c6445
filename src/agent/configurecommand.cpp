#include "agent/configurecommand.h"

#include "agent/agentpaths.h"
#include "agent/agentplatform.h"
#include "agent/configureerror.h"
#include "agent/privilegedcommand.h"
#include "agent/privilegedhost.h"
#include "contract/agentcontract.h"

#include <QFileInfo>

#include <array>

namespace {

using Field = ConfigureError::ValueUnsendable::Field;
using Why = ConfigureError::ValueUnsendable::Why;

struct Value
{
    Field field;
    const QString &text;
};

// Every value must reach the agent whole: a NUL would end it early, and a
// command line the system cannot pass on would fail after the prompt.
void refuseUnsendable(const std::array<Value, 3> &values, const QString &commandLine)
{
    for (const Value &value : values) {
        if (value.text.contains(QChar(u'\0'))) {
            throw ConfigureError(ConfigureError::ValueUnsendable{value.field, Why::HoldsNul});
        }
    }
    if (std::size_t(commandLine.toUtf8().size()) <= AgentContract::maxCommandLineBytes) {
        return;
    }
    const Value *longest = &values[0];
    for (const Value &value : values) {
        if (value.text.size() > longest->text.size()) {
            longest = &value;
        }
    }
    throw ConfigureError(ConfigureError::ValueUnsendable{longest->field, Why::TooLong});
}

} // namespace

void runConfigure(const AgentPlatform &platform, const QString &token, const QString &baseURL,
                  const QString &upnOverride)
{
    const std::optional<QString> bundle = platform.bundleLocation();
    if (!bundle) {
        throw ConfigureError(ConfigureError::FolderUnnamed{});
    }
    const QString agentPath = AgentPaths::agentBinary(*bundle);
    const QFileInfo agentFile(agentPath);
    if (!agentFile.isFile() || !agentFile.isExecutable()) {
        throw ConfigureError::binaryMissing(agentPath);
    }
    const QString commandLine =
        PrivilegedCommand::configureCommandLine(agentPath, token, baseURL, upnOverride);
    refuseUnsendable({Value{Field::Token, token}, Value{Field::BaseURL, baseURL},
                      Value{Field::UpnOverride, upnOverride}},
                     commandLine);

    // No time limit: the wait covers the credentials dialog and the agent's run.
    if (const auto error = ConfigureError::fromHost(platform.privilegedHost->run(commandLine))) {
        throw *error;
    }
}
