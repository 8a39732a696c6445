#include "privilegedhost.h"

#include "configureerror.h"
#include "hostprocess.h"

#include <QProcess>

PrivilegedHost::~PrivilegedHost() = default;

OsascriptHost::OsascriptHost(QString program)
    : m_program(std::move(program))
{}

HostAnswer OsascriptHost::run(const QString &script) const
{
    QProcess host;
    host.setProgram(m_program);
    host.setArguments({QStringLiteral("-e"), script});
    host.setInputChannelMode(QProcess::ForwardedInputChannel);
    host.setStandardOutputFile(QProcess::nullDevice());
    host.start();
    if (!host.waitForStarted(-1)) {
        throw HostLaunchError(host.errorString());
    }
    return HostProcess::finish(host);
}
