#include "enrollhelper/agentlock.h"

#include "contract/agentcontract.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using Reason = Refusal::Reason;

AgentLock::AgentLock(std::string path, int fd)
    : m_path(std::move(path))
    , m_fd(fd)
{}

AgentLock::AgentLock(AgentLock &&other) noexcept
    : m_path(std::move(other.m_path))
    , m_fd(other.m_fd)
{
    other.m_fd = -1;
}

// Removed while still held, so that a helper waiting on this file sees it
// gone and makes a new one.
AgentLock::~AgentLock()
{
    if (m_fd >= 0) {
        unlink(m_path.c_str());
        close(m_fd);
    }
}

std::variant<AgentLock, Refusal> AgentLock::take(const std::string &agentPath)
{
    struct stat agent
    {};
    if (stat(agentPath.c_str(), &agent) != 0) {
        return Refusal{Reason::CannotExamine, agentPath, std::strerror(errno)};
    }
    const std::string path = "/run/" + std::string(AgentContract::helperName) + '-' +
                             std::to_string(agent.st_dev) + '-' + std::to_string(agent.st_ino) +
                             ".lock";
    for (;;) {
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            return Refusal{Reason::CannotPrepare, {}, path + ": " + std::strerror(errno)};
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            close(fd);
            return error == EWOULDBLOCK
                       ? Refusal{Reason::AgentBusy, agentPath}
                       : Refusal{Reason::CannotPrepare, {}, path + ": " + std::strerror(error)};
        }
        // Opened just before its holder removed it: no lock any more.
        struct stat held
        {};
        if (fstat(fd, &held) != 0 || held.st_nlink > 0) {
            return AgentLock(path, fd);
        }
        close(fd);
    }
}
