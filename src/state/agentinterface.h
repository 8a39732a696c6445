// What the state needs of the agent, behind one interface so that tests can
// put a fake in its place. Implementations are called from worker threads.
#pragma once

#include "agent/agentplatform.h"

#include <QString>

#include <atomic>

class AgentInterface
{
public:
    virtual ~AgentInterface();

    // Does the agent hold a configuration? Never throws; gives up, with
    // false, once `cancelled` is set.
    virtual bool hasConfig(const std::atomic_bool &cancelled) const = 0;
    // Saves the configuration with administrator rights; throws on failure.
    virtual void configure(const QString &token, const QString &baseURL,
                           const QString &upnOverride) const = 0;
};

// The installed agent, reached through the platform's facts.
class SystemAgent final : public AgentInterface
{
public:
    explicit SystemAgent(AgentPlatform platform = AgentPlatform::system());

    bool hasConfig(const std::atomic_bool &cancelled) const override;
    void configure(const QString &token, const QString &baseURL,
                   const QString &upnOverride) const override;

private:
    AgentPlatform m_platform;
};
