#include "agent/agentprobe.h"

#include "agent/agentpaths.h"
#include "agent/agentplatform.h"
#include "agent/contractstrings.h"

#include <QDeadlineTimer>
#include <QProcess>

bool agentHasConfig(const AgentPlatform &platform, const std::atomic_bool *cancelled)
{
    const std::optional<QString> bundle = platform.bundleLocation();
    if (!bundle) {
        return false;
    }
    QProcess agent;
    agent.setProgram(AgentPaths::agentBinary(*bundle));
    agent.setArguments({AgentContract::latin1(AgentContract::hasConfigFlag)});
    agent.setInputChannelMode(QProcess::ForwardedInputChannel);
    // Nothing the agent prints is wanted, so nothing is buffered.
    agent.setStandardOutputFile(QProcess::nullDevice());
    agent.setStandardErrorFile(QProcess::nullDevice());

    agent.start();
    if (!agent.waitForStarted(-1)) {
        return false;
    }
    const QDeadlineTimer deadline(platform.probeTimeout);
    while (!agent.waitForFinished(20)) {
        if (deadline.hasExpired() || (cancelled && *cancelled)) {
            agent.kill();
            agent.waitForFinished(-1);
            return false;
        }
    }
    return agent.exitStatus() == QProcess::NormalExit && agent.exitCode() == 0;
}
