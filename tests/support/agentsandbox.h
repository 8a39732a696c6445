// A throw-away install: the stand-in agent and our helper in a temporary
// folder, and the platform facts that point at them.
#pragma once

#include "agentplatform.h"

#include <QByteArrayList>
#include <QTemporaryDir>

#include <memory>

class PrivilegedHost;

class AgentSandbox
{
public:
    struct Call
    {
        qint64 pid = 0;
        QByteArrayList arguments;
        QByteArray process; // "umask=… fds=… fsize=… cwd=…" as it started
    };

    AgentSandbox();
    // Ends the children the agent left behind ("fork-hold").
    ~AgentSandbox();
    AgentSandbox(const AgentSandbox &) = delete;
    AgentSandbox &operator=(const AgentSandbox &) = delete;

    QString directory() const { return m_dir.path(); }
    QString agentPath() const { return m_dir.filePath(QStringLiteral("OvataDeviceAgent")); }

    // Puts the stand-in agent in place (a copy of the built one).
    void installAgent() const;
    // Replaces the agent's control file (see the stand-in's header).
    void setControl(const QByteArray &directives) const;
    // Every run of the agent, oldest first.
    QList<Call> calls() const;

    // Writes an executable script into the sandbox and returns its path.
    QString writeScript(const QString &name, const QByteArray &body) const;

    // The Linux road with the fake pkexec: our helper, copied beside the
    // agent as installed, runs the command line.
    AgentPlatform platform() const;
    // A scripting host of the macOS kind: this program, started with "-e".
    AgentPlatform platform(const QString &scriptHost) const;

private:
    AgentPlatform platform(std::shared_ptr<const PrivilegedHost> host) const;
    QString stateFile(const char *name) const;

    QTemporaryDir m_dir;
};

// Whether a process with this pid is alive (or a zombie).
bool processExists(qint64 pid);

// Peak resident memory of this process so far, in KiB.
long peakRssKiB();
