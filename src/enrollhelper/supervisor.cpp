#include "enrollhelper/supervisor.h"

#include "contract/agentcontract.h"
#include "enrollhelper/cleanprocess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include <dirent.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using Reason = Refusal::Reason;

namespace {

// Without a pidfd the caller's end shows as a change of parent; while the
// agent is stopped, what it leaves to the helper as its processes end shows
// no other way either.
constexpr int pollMs = 100;

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

// The helper's children: the agent and, the helper being a subreaper, each
// process of the agent's whose parent has ended, whether it left the
// agent's session or was forked twice. Zombies included. Read from every
// process's parent in /proc, which every kernel has.
std::vector<pid_t> children()
{
    const std::string self = std::to_string(getpid());
    std::vector<pid_t> pids;
    const std::unique_ptr<DIR, int (*)(DIR *)> processes(opendir("/proc"), closedir);
    while (const dirent *entry = processes ? readdir(processes.get()) : nullptr) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line, state, parent;
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9' || !std::getline(stat, line)) {
            continue;
        }
        // "pid (name) state ppid …", where the name may hold anything.
        std::istringstream fields(line.substr(line.rfind(')') + 1));
        if (fields >> state >> parent && parent == self) {
            pids.push_back(std::atoi(entry->d_name));
        }
    }
    return pids;
}

// The agent and what it leaves to the helper: killed and reaped however the
// helper leaves, so no failure of the helper leaves any of it running. Only
// the helper's own children are signalled by number, as no other process
// can take a child's number before its parent reaps it, and the agent's
// process group only while the agent, its leader, is unreaped.
class Family
{
public:
    explicit Family(pid_t agent)
        : m_agent(agent)
    {}
    Family(const Family &) = delete;
    Family &operator=(const Family &) = delete;
    ~Family()
    {
        while (!m_reaped && !ended(true)) {
            signalAll(SIGKILL);
            poll(nullptr, 0, pollMs);
        }
    }

    // The agent's group and every child: SIGTERM once each, SIGKILL as often
    // as asked, as what ends re-parents its own children to the helper.
    void signalAll(int number)
    {
        std::vector<pid_t> targets = children();
        targets.push_back(-m_agent);
        for (const pid_t target : targets) {
            if (number != SIGTERM || m_termed.insert(target).second) {
                kill(target, number);
            }
        }
    }

    // The agent's wait status once it has ended and, when `all`, nothing
    // else of the family is left. Until then the agent is seen ended but
    // not reaped, so its number stays its own. Other children are reaped as
    // they end; none is waited for unless `all`, so that what an agent
    // started on purpose runs on after it. An agent gone without a trace
    // (nobody may reap it for us, but be safe) counts as killed.
    std::optional<int> ended(bool all)
    {
        // The agent is looked at first: once it has ended, its children are
        // the helper's, so the look at the helper's children below finds
        // them. A child reaped there may have left its own to the helper
        // after that look, so it calls for another.
        siginfo_t info{};
        const bool traced =
            waitid(P_PID, static_cast<id_t>(m_agent), &info, WEXITED | WNOHANG | WNOWAIT) == 0;
        bool others = false;
        for (const pid_t child : children()) {
            int status = 0;
            if (child == m_agent) {
                continue;
            }
            const pid_t reaped = waitpid(child, &status, WNOHANG);
            if (reaped != 0) {
                m_termed.erase(child);
            }
            others = others || reaped == 0 || reaped == child;
        }
        if (traced && (info.si_pid != m_agent || (all && others))) {
            return std::nullopt;
        }
        int status = SIGKILL; // as WIFSIGNALED reads it
        if (traced) {
            while (waitpid(m_agent, &status, 0) < 0 && errno == EINTR) {
            }
        }
        m_reaped = true;
        return status;
    }

private:
    pid_t m_agent;
    std::set<pid_t> m_termed;
    bool m_reaped = false;
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

    // What the agent's processes leave behind as they end comes to the
    // helper, not to process 1, so a stop can reach it.
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
        close(signals);
        return Refusal{Reason::CannotPrepare, {}, std::strerror(errno)};
    }
    const pid_t helper = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(signals);
        return Refusal{Reason::CannotStart, arguments[0], std::strerror(errno)};
    }
    if (pid == 0) {
        becomeAgent(arguments, helper);
    }

    Family family(pid);
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> killAt;
    std::optional<int> status;
    while (!(status = family.ended(killAt.has_value()))) {
        // Once stopping, the caller's end is no news.
        const bool watchCaller = !killAt && caller.descriptor() >= 0;
        pollfd ready[2] = {{signals, POLLIN, 0}, {caller.descriptor(), POLLIN, 0}};
        const bool failed =
            poll(ready, watchCaller ? 2 : 1, watchCaller ? -1 : pollMs) < 0 && errno != EINTR;
        signalfd_siginfo info{};
        bool ordered = false;
        while (read(signals, &info, sizeof info) == sizeof info) {
            ordered = ordered || info.ssi_signo != SIGCHLD;
        }
        if (!killAt && (failed || ordered || caller.gone())) {
            killAt = Clock::now() + gracePeriod;
        }
        if (killAt) {
            family.signalAll(Clock::now() < *killAt ? SIGTERM : SIGKILL);
        }
    }
    close(signals);
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return Ended{*status};
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
