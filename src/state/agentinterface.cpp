#include "state/agentinterface.h"

#include "agent/agentprobe.h"
#include "agent/configurecommand.h"

AgentInterface::~AgentInterface() = default;

SystemAgent::SystemAgent(AgentPlatform platform)
    : m_platform(std::move(platform))
{}

bool SystemAgent::hasConfig(const std::atomic_bool &cancelled) const
{
    return agentHasConfig(m_platform, &cancelled);
}

void SystemAgent::configure(const QString &token, const QString &baseURL,
                            const QString &upnOverride) const
{
    runConfigure(m_platform, token, baseURL, upnOverride);
}
