#include "agent/osascripthost.h"

#include "agent/configureerror.h"
#include "agent/hostprocess.h"

#include <QProcess>

namespace AppleScript {

QString escaped(const QString &text)
{
    QString result = text;
    result.replace(u'\\', QLatin1String("\\\\"));
    result.replace(u'"', QLatin1String("\\\""));
    return result;
}

QString privilegedScript(const QString &commandLine)
{
    return QLatin1String("do shell script \"") + escaped(commandLine) +
           QLatin1String("\" with administrator privileges");
}

} // namespace AppleScript

OsascriptHost::OsascriptHost(QString program)
    : m_program(std::move(program))
{}

HostOutcome::Outcome OsascriptHost::run(const QString &commandLine) const
{
    QProcess host;
    host.setProgram(m_program);
    host.setArguments({QStringLiteral("-e"), AppleScript::privilegedScript(commandLine)});
    host.setInputChannelMode(QProcess::ForwardedInputChannel);
    host.setStandardOutputFile(QProcess::nullDevice());
    host.start();
    if (!host.waitForStarted(-1)) {
        throw HostLaunchError(host.errorString());
    }
    const HostProcess::Finished finished =
        HostProcess::finish(host, HostOutcome::scriptCancelMarks);
    if (finished.termination.succeeded()) {
        return HostOutcome::Succeeded{};
    }
    return HostOutcome::ScriptFailed{finished.termination.number, finished.errorOutput,
                                     finished.markSeen};
}
