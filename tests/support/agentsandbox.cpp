#include "agentsandbox.h"

#include "pkexechost.h"
#include "privilegedhost.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

namespace TestPaths {
QString devAgent()
{
    return QStringLiteral(OVATA_TEST_DEVAGENT);
}
QString fakePkexec()
{
    return QStringLiteral(OVATA_TEST_FAKE_PKEXEC);
}
QString enrollHelper()
{
    return QStringLiteral(OVATA_TEST_HELPER);
}
} // namespace TestPaths

AgentSandbox::AgentSandbox(const QString &suffix)
    : m_suffix(suffix)
{
    QVERIFY(m_dir.isValid());
}

AgentSandbox::~AgentSandbox()
{
    for (const qint64 pid : heldChildren()) {
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
}

QString AgentSandbox::bundleLocation() const
{
    return m_dir.filePath(QLatin1String("OvataAgentConfigurator") + m_suffix);
}

QString AgentSandbox::agentPath() const
{
    return m_dir.filePath(QLatin1String("OvataDeviceAgent") + m_suffix);
}

QString AgentSandbox::stateDir() const
{
    return agentPath() + QLatin1String(".state");
}

void AgentSandbox::installAgent() const
{
    QVERIFY(QFile::link(TestPaths::devAgent(), agentPath()));
    QVERIFY(QDir().mkpath(stateDir()));
}

void AgentSandbox::setControl(const QByteArray &directives) const
{
    QDir().mkpath(stateDir());
    QFile control(stateDir() + QLatin1String("/control"));
    QVERIFY(control.open(QIODevice::WriteOnly | QIODevice::Truncate));
    control.write(directives);
}

QList<AgentSandbox::Call> AgentSandbox::calls() const
{
    QList<Call> result;
    const QDir dir(stateDir() + QLatin1String("/calls"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray record = file.readAll();
        const qsizetype newline = record.indexOf('\n');
        const QByteArrayList head = record.left(newline).split(' ');
        Call call;
        call.pid = head.value(0).toLongLong();
        call.euid = head.value(1).toUInt();
        QByteArrayList arguments = record.mid(newline + 1).split('\0');
        arguments.removeLast(); // every argument ends in NUL
        call.arguments = arguments;
        result.append(call);
    }
    return result;
}

QList<qint64> AgentSandbox::heldChildren() const
{
    QList<qint64> pids;
    QFile file(stateDir() + QLatin1String("/held"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                pids.append(line.toLongLong());
            }
        }
    }
    return pids;
}

bool processExists(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

bool AgentSandbox::hasSavedConfig() const
{
    return QFile::exists(stateDir() + QLatin1String("/config"));
}

QByteArrayList AgentSandbox::savedConfig() const
{
    QFile file(stateDir() + QLatin1String("/config"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArrayList values = file.readAll().split('\0');
    values.removeLast();
    return values;
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
    platform.bundleLocation = [location = bundleLocation()] { return location; };
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
        QFile::copy(TestPaths::enrollHelper(), helper);
    }
    return platform(std::make_shared<PkexecHost>(TestPaths::fakePkexec(), helper));
}

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
