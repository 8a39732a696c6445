#include "agentsandbox.h"

#include "osascripthost.h"
#include "pkexechost.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

AgentSandbox::AgentSandbox()
{
    QVERIFY(m_dir.isValid());
}

AgentSandbox::~AgentSandbox()
{
    QFile held(stateFile("held"));
    if (held.open(QIODevice::ReadOnly)) {
        for (const QByteArray &pid : held.readAll().split('\n')) {
            if (pid.toLongLong() > 0) {
                ::kill(static_cast<pid_t>(pid.toLongLong()), SIGKILL);
            }
        }
    }
}

QString AgentSandbox::stateFile(const char *name) const
{
    return agentPath() + QLatin1String(".state/") + QLatin1String(name);
}

void AgentSandbox::installAgent() const
{
    // Copies, as installed: the helper runs no symbolic link, and only the
    // agent of a configurator beside it.
    QVERIFY(QFile::copy(QStringLiteral(OVATA_TEST_DEVAGENT), agentPath()));
    QVERIFY(QFile::copy(QStringLiteral(OVATA_TEST_DEVAGENT),
                        m_dir.filePath(QStringLiteral("OvataAgentConfigurator"))));
    QVERIFY(QDir().mkpath(stateFile("")));
}

void AgentSandbox::setControl(const QByteArray &directives) const
{
    QDir().mkpath(stateFile(""));
    QFile control(stateFile("control"));
    QVERIFY(control.open(QIODevice::WriteOnly | QIODevice::Truncate));
    control.write(directives);
}

QList<AgentSandbox::Call> AgentSandbox::calls() const
{
    // Each record: "<pid> <euid> <process>\n", then every argument followed
    // by NUL.
    QList<Call> result;
    const QDir dir(stateFile("calls"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray record = file.readAll();
        const qsizetype newline = record.indexOf('\n');
        QByteArrayList arguments = record.mid(newline + 1).split('\0');
        arguments.removeLast();
        const QByteArray header = record.left(newline);
        result.append({header.split(' ').value(0).toLongLong(), arguments,
                       header.mid(header.indexOf("umask="))});
    }
    return result;
}

bool processExists(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

QString AgentSandbox::writeScript(const QString &name, const QByteArray &body) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    file.write("#!/bin/sh\n" + body);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

AgentPlatform AgentSandbox::platform(std::shared_ptr<const PrivilegedHost> host) const
{
    AgentPlatform platform;
    platform.bundleLocation =
        [location = m_dir.filePath(QStringLiteral("OvataAgentConfigurator"))] { return location; };
    platform.privilegedHost = std::move(host);
    return platform;
}

AgentPlatform AgentSandbox::platform(const QString &scriptHost) const
{
    return platform(std::make_shared<OsascriptHost>(scriptHost));
}

AgentPlatform AgentSandbox::platform() const
{
    const QString helper = m_dir.filePath(QStringLiteral("ovata-enroll-helper"));
    if (!QFile::exists(helper)) {
        QFile::copy(QStringLiteral(OVATA_TEST_HELPER), helper);
    }
    return platform(std::make_shared<PkexecHost>(QStringLiteral(OVATA_TEST_FAKE_PKEXEC), helper));
}

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
