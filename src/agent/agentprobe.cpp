#include "agentprobe.h"

#include "agentcontract.h"
#include "agentpaths.h"
#include "agentplatform.h"

#include <QProcess>

bool agentHasConfig(const AgentPlatform &platform)
{
    QProcess agent;
    agent.setProgram(AgentPaths::agentBinary(platform.bundleLocation()));
    agent.setArguments({QString(AgentContract::hasConfigFlag)});
    agent.setInputChannelMode(QProcess::ForwardedInputChannel);
    // Nothing the agent prints is wanted, so nothing is buffered.
    agent.setStandardOutputFile(QProcess::nullDevice());
    agent.setStandardErrorFile(QProcess::nullDevice());

    agent.start();
    if (!agent.waitForStarted(-1)) {
        return false;
    }
    if (!agent.waitForFinished(static_cast<int>(platform.probeTimeout.count()))) {
        agent.kill();
        agent.waitForFinished(-1);
        return false;
    }
    return agent.exitStatus() == QProcess::NormalExit && agent.exitCode() == 0;
}

bool agentHasConfig()
{
    return agentHasConfig(AgentPlatform::system());
}
