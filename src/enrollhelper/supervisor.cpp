#include "enrollhelper/supervisor.h"

#include "contract/agentcontract.h"
#include "enrollhelper/cleanprocess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using Reason = Refusal::Reason;

namespace {

// Without a pidfd the caller's end shows as a change of parent.
constexpr int parenthoodPollMs = 100;

// What the helper takes as an order to end the agent; SIGCHLD tells it the
// agent ended.
sigset_t watchedSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int number : {SIGCHLD, SIGINT, SIGQUIT, SIGHUP, SIGTSTP, SIGTERM}) {
        sigaddset(&set, number);
    }
    return set;
}

// The agent as the helper's child: killed and reaped however the helper
// leaves, so no failure of the helper leaves it running.
class Child
{
public:
    explicit Child(pid_t pid)
        : m_pid(pid)
    {}
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child()
    {
        if (!m_ended) {
            signalAll(SIGKILL);
            int status = 0;
            while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }

    // The agent and whatever it started in its session, while the agent's
    // number is still its own.
    void signalAll(int number) const
    {
        if (!m_ended) {
            kill(-m_pid, number);
            kill(m_pid, number);
        }
    }

    // True once the agent has ended; its status is then in `status`. It is
    // seen ended while its number is still held, so that what it left in its
    // session can be signalled without reaching another process, and reaped
    // only then. A child gone without a trace (nobody may reap it for us, but
    // be safe) counts as killed.
    bool reap(int &status, bool endSession)
    {
        if (m_ended) {
            return true;
        }
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
            if (errno == EINTR) {
                return false;
            }
            status = SIGKILL; // as WIFSIGNALED reads it
            return m_ended = true;
        }
        if (info.si_pid != m_pid) {
            return false;
        }
        if (endSession) {
            kill(-m_pid, SIGKILL);
        }
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        return m_ended = true;
    }

private:
    pid_t m_pid;
    bool m_ended = false;
};

[[noreturn]] void becomeAgent(const std::vector<std::string> &arguments, pid_t helper)
{
    // Root's child of a root parent: the kernel keeps this one.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != helper) {
        _exit(AgentContract::refusedStatus); // the helper is gone already
    }
    if (const auto problem = CleanProcess::prepare()) {
        _exit(report({Reason::CannotPrepare, {}, *problem}));
    }
    std::vector<char *> argv;
    for (const std::string &argument : arguments) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(report({Reason::CannotStart, arguments[0], std::strerror(errno)}));
}

} // namespace

namespace Supervisor {

Caller::Caller(pid_t pid, int pidfd)
    : m_pid(pid)
    , m_pidfd(pidfd)
{}

Caller::Caller(Caller &&other) noexcept
    : m_pid(other.m_pid)
    , m_pidfd(other.m_pidfd)
{
    other.m_pidfd = -1;
}

Caller::~Caller()
{
    if (m_pidfd >= 0) {
        close(m_pidfd);
    }
}

std::optional<Caller> Caller::parent()
{
    const pid_t pid = getppid();
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    Caller caller(pid, pidfd);
    // Asked again: the pidfd names the parent only if it was still ours.
    if (pid <= 1 || caller.gone()) {
        return std::nullopt;
    }
    return caller;
}

bool Caller::gone() const
{
    if (getppid() != m_pid) {
        return true;
    }
    pollfd ended{m_pidfd, POLLIN, 0};
    return m_pidfd >= 0 && poll(&ended, 1, 0) > 0;
}

std::variant<Refusal, Ended> runAgent(const std::vector<std::string> &arguments,
                                      const Caller &caller)
{
    const sigset_t watched = watchedSignals();
    sigset_t before;
    if (sigprocmask(SIG_BLOCK, &watched, &before) != 0) {
        return Refusal{Reason::CannotPrepare, {}, std::strerror(errno)};
    }
    const int signals = signalfd(-1, &watched, SFD_CLOEXEC | SFD_NONBLOCK);
    if (signals < 0) {
        return Refusal{Reason::CannotPrepare, {}, std::strerror(errno)};
    }
    // A caller that ignores SIGCHLD would have the kernel reap the agent
    // unseen; a closed error stream or a background terminal must not end
    // or stop the helper while its agent runs.
    std::signal(SIGCHLD, SIG_DFL);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGTTOU, SIG_IGN);

    const pid_t helper = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(signals);
        return Refusal{Reason::CannotStart, arguments[0], std::strerror(errno)};
    }
    if (pid == 0) {
        becomeAgent(arguments, helper);
    }

    Child agent(pid);
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> killAt;
    bool killed = false;
    const auto stop = [&] {
        if (!killAt) {
            agent.signalAll(SIGTERM);
            killAt = Clock::now() + gracePeriod;
        }
    };
    int status = 0;
    while (!agent.reap(status, killAt.has_value())) {
        // Once stopping, the caller's end is no news.
        const bool watchCaller = !killAt && caller.descriptor() >= 0;
        int timeout = watchCaller ? -1 : parenthoodPollMs;
        if (killAt) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(*killAt - Clock::now());
            timeout = killed ? -1 : static_cast<int>(std::max<long long>(0, left.count()));
        }
        pollfd ready[2] = {{signals, POLLIN, 0}, {caller.descriptor(), POLLIN, 0}};
        if (poll(ready, watchCaller ? 2 : 1, timeout) < 0 && errno != EINTR) {
            stop();
        }
        signalfd_siginfo info{};
        while (read(signals, &info, sizeof info) == sizeof info) {
            if (info.ssi_signo != SIGCHLD) {
                stop();
            }
        }
        if (!killAt && caller.gone()) {
            stop();
        }
        if (killAt && !killed && Clock::now() >= *killAt) {
            agent.signalAll(SIGKILL);
            killed = true;
        }
    }
    close(signals);
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return Ended{status};
}

void endAs(Ended ended)
{
    if (WIFSIGNALED(ended.waitStatus)) {
        const int number = WTERMSIG(ended.waitStatus);
        std::signal(number, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, number);
        sigprocmask(SIG_UNBLOCK, &only, nullptr);
        raise(number);
        std::_Exit(128 + number);
    }
    std::_Exit(WIFEXITED(ended.waitStatus) ? WEXITSTATUS(ended.waitStatus) : 1);
}

} // namespace Supervisor
