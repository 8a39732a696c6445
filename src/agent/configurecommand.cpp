#include "configurecommand.h"

#include "agentpaths.h"
#include "agentplatform.h"
#include "configureerror.h"
#include "enrollcontract.h"
#include "privilegedcommand.h"
#include "privilegedhost.h"
#include "strictutf8.h"

#include <QFileInfo>

#include <array>

namespace {

struct Value
{
    const char *name;
    const QString &text;
};

// Every value must reach the agent whole: a NUL would end it early, and a
// command line the system cannot pass on would fail after the prompt.
void refuseUnsendable(const std::array<Value, 3> &values, const QString &commandLine)
{
    for (const Value &value : values) {
        if (value.text.contains(QChar(u'\0'))) {
            throw UnsendableValueError(QString::fromUtf8(value.name) +
                                       QLatin1String(" contains a NUL character (U+0000), which "
                                                     "cannot be passed to the agent. Remove it "
                                                     "and try again."));
        }
    }
    if (std::size_t(commandLine.toUtf8().size()) <= EnrollContract::maxCommandLineBytes) {
        return;
    }
    const Value *longest = &values[0];
    for (const Value &value : values) {
        if (value.text.size() > longest->text.size()) {
            longest = &value;
        }
    }
    throw UnsendableValueError(
        QString::fromUtf8(longest->name) +
        QStringLiteral(" is too long to be passed to the agent: all values together may hold at "
                       "most %1 KiB. Shorten it and try again.")
            .arg((EnrollContract::maxCommandLineBytes + 1) / 1024));
}

} // namespace

void runConfigure(const AgentPlatform &platform, const QString &token, const QString &baseURL,
                  const QString &upnOverride)
{
    const std::optional<QString> bundle = platform.bundleLocation();
    if (!bundle) {
        throw MessageError(QStringLiteral(
            "The application's folder has a name that is not valid UTF-8, so the agent beside it "
            "cannot be named. Install the application in a folder with a UTF-8 name and try "
            "again."));
    }
    const QString agentPath = AgentPaths::agentBinary(*bundle);
    const QFileInfo agentFile(agentPath);
    if (!agentFile.isFile() || !agentFile.isExecutable()) {
        throw ConfigureError::binaryMissing(agentPath);
    }
    const QString commandLine =
        PrivilegedCommand::configureCommandLine(agentPath, token, baseURL, upnOverride);
    refuseUnsendable({Value{"The enrollment token", token}, Value{"The cloud service URL", baseURL},
                      Value{"The user UPN override", upnOverride}},
                     commandLine);

    // No time limit: the wait covers the credentials dialog and the agent's run.
    const HostAnswer answer =
        platform.privilegedHost->run(PrivilegedCommand::privilegedScript(commandLine));
    if (answer.exitStatus == 0) {
        return;
    }
    throw ConfigureError::osascriptFailed(
        answer.exitStatus, decodeUtf8Strictly(answer.errorOutput).value_or(QString()).trimmed());
}

void runConfigure(const QString &token, const QString &baseURL, const QString &upnOverride)
{
    runConfigure(AgentPlatform::system(), token, baseURL, upnOverride);
}
