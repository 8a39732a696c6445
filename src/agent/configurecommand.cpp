#include "configurecommand.h"

#include "agentpaths.h"
#include "agentplatform.h"
#include "boundedcapture.h"
#include "configureerror.h"
#include "privilegedcommand.h"
#include "whitespace.h"

#include <QFileInfo>
#include <QProcess>

namespace {

void refuseUnsendable(const QString &value, const char *what)
{
    if (value.contains(QChar(u'\0'))) {
        throw UnsendableValueError(QString::fromUtf8(what) +
                                   QLatin1String(" contains a NUL character (U+0000), which "
                                                 "cannot be passed to the agent. Remove it "
                                                 "and try again."));
    }
}

} // namespace

void runConfigure(const AgentPlatform &platform, const QString &token, const QString &baseURL,
                  const QString &upnOverride)
{
    const QString agentPath = AgentPaths::agentBinary(platform.bundleLocation());
    const QFileInfo agentFile(agentPath);
    if (!agentFile.isFile() || !agentFile.isExecutable()) {
        throw ConfigureError::binaryMissing(agentPath);
    }
    refuseUnsendable(token, "The enrollment token");
    refuseUnsendable(baseURL, "The cloud service URL");
    refuseUnsendable(upnOverride, "The user UPN override");

    const QString script = PrivilegedCommand::privilegedScript(
        PrivilegedCommand::configureCommandLine(agentPath, token, baseURL, upnOverride));

    QProcess host;
    host.setProgram(platform.scriptHost);
    host.setArguments({QStringLiteral("-e"), script});
    host.setInputChannelMode(QProcess::ForwardedInputChannel);
    host.setStandardOutputFile(QProcess::nullDevice());

    host.start();
    if (!host.waitForStarted(-1)) {
        throw HostLaunchError(host.errorString());
    }
    // No time limit: the wait covers the credentials dialog and the agent's run.
    BoundedCapture errorOutput;
    captureStandardErrorUntilExit(host, errorOutput);

    if (host.exitStatus() == QProcess::NormalExit && host.exitCode() == 0) {
        return;
    }
    // A host killed by a signal reports the signal number, which is never 0.
    const qint32 status = host.exitCode() != 0 ? host.exitCode() : -1;
    throw ConfigureError::osascriptFailed(
        status, trimWhitespace(decodeUtf8Strictly(errorOutput.bytes()).value_or(QString())));
}

void runConfigure(const QString &token, const QString &baseURL, const QString &upnOverride)
{
    runConfigure(AgentPlatform::system(), token, baseURL, upnOverride);
}
