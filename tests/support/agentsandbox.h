// A throw-away install: the stand-in agent and our helper in a temporary
// folder, and the platform facts that point at them.
#pragma once

#include "agent/agentplatform.h"
#include "agent/contractstrings.h"
#include "agent/osascripthost.h"
#include "agent/pkexechost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

// A sanitized program runs slower and keeps 16 MiB of freed memory aside.
inline constexpr int boundScale = OVATA_BOUND_SCALE;
inline constexpr long memorySlackKiB = OVATA_BOUND_SCALE > 1 ? 16 * 1024 : 0;

class AgentSandbox
{
public:
    struct Call
    {
        qint64 pid = 0;
        QByteArrayList arguments;
        QByteArray process; // "umask=… fds=… fsize=… cwd=…" as it started
    };

    // The stand-in agent (a copy, as installed: the helper runs no link, and
    // only the agent of a configurator beside it) with these directives in
    // its control file (see the stand-in's header).
    explicit AgentSandbox(bool agent = true, const QByteArray &control = {})
    {
        QVERIFY(m_dir.isValid());
        QFile file(state("control"));
        QVERIFY(!agent || (QFile::copy(QStringLiteral(OVATA_TEST_DEVAGENT), agentPath()) &&
                           QFile::copy(QStringLiteral(OVATA_TEST_DEVAGENT), configuratorPath()) &&
                           QDir().mkpath(state("")) && file.open(QIODevice::WriteOnly) &&
                           file.write(control) == control.size()));
    }
    // Ends the children the agent left behind ("fork-hold").
    ~AgentSandbox()
    {
        QFile held(state("held"));
        for (const QByteArray &pid :
             held.open(QIODevice::ReadOnly) ? held.readAll().split('\n') : QByteArrayList()) {
            if (pid.toInt() > 0) {
                ::kill(pid.toInt(), SIGKILL);
            }
        }
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString agentPath() const { return path(QStringLiteral("OvataDeviceAgent")); }
    QString configuratorPath() const { return path(QStringLiteral("OvataAgentConfigurator")); }
    QString helperPath() const { return path(AgentContract::latin1(AgentContract::helperName)); }

    // Every run of the agent, oldest first: each record is "<pid> <euid>
    // <process>\n", then every argument followed by NUL.
    QList<Call> calls() const
    {
        QList<Call> result;
        const QDir dir(state("calls"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::ReadOnly); // unread, the record reads as no call
            const QByteArray record = file.readAll();
            const QByteArray header = record.left(record.indexOf('\n'));
            QByteArrayList arguments = record.mid(header.size() + 1).split('\0');
            arguments.removeLast();
            result.append({header.split(' ').value(0).toLongLong(), arguments,
                           header.mid(header.indexOf("umask="))});
        }
        return result;
    }

    // The Linux road with the fake pkexec: our helper, copied beside the
    // agent as installed, runs the command line. Or, given a script's body,
    // a scripting host of the macOS kind.
    AgentPlatform platform(const QByteArray &scriptHost = {}) const
    {
        AgentPlatform platform;
        platform.bundleLocation = [bundle = configuratorPath()] { return bundle; };
        QFile::copy(QStringLiteral(OVATA_TEST_HELPER), helperPath());
        platform.privilegedHost =
            std::make_shared<PkexecHost>(QStringLiteral(OVATA_TEST_FAKE_PKEXEC), helperPath());
        QFile host(path(QStringLiteral("host")));
        if (!scriptHost.isEmpty() && host.open(QIODevice::WriteOnly) &&
            host.write("#!/bin/sh\n" + scriptHost) > 0 &&
            host.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            platform.privilegedHost = std::make_shared<OsascriptHost>(host.fileName());
        }
        return platform;
    }

private:
    QString state(const char *name) const
    {
        return agentPath() + QLatin1String(".state/") + QLatin1String(name);
    }

    QTemporaryDir m_dir;
};

// Peak resident memory of this process so far, in KiB.
inline long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
