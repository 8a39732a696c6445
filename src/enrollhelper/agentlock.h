// One configure run of an agent at a time: two helpers started together
// would otherwise run the agent as root twice at once on one configuration.
// The lock is a file only root can make and open, in /run (which only root
// may write to), held with flock for as long as the agent runs and removed
// as it is let go: no user can hold it, and nothing is left behind, but for
// an empty file after a helper was killed, which the next run for that agent
// takes and removes.
#pragma once

#include "enrollhelper/refusal.h"

#include <string>
#include <variant>

class AgentLock
{
public:
    // The lock for the agent file at agentPath (named after its device and
    // inode); a refusal when another helper holds it.
    [[nodiscard]] static std::variant<AgentLock, Refusal> take(const std::string &agentPath);
    AgentLock(AgentLock &&other) noexcept;
    AgentLock &operator=(AgentLock &&) = delete;
    ~AgentLock();

private:
    AgentLock(std::string path, int fd);
    std::string m_path;
    int m_fd;
};
