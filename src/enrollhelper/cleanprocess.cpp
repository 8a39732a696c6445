#include "enrollhelper/cleanprocess.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <linux/ioprio.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Named
{
    std::string_view name;
    int resource;
};

// As /proc/<pid>/limits names them; RLIMIT_CORE is left out on purpose.
constexpr std::array<Named, 15> names{{
    {"Max cpu time", RLIMIT_CPU},
    {"Max file size", RLIMIT_FSIZE},
    {"Max data size", RLIMIT_DATA},
    {"Max stack size", RLIMIT_STACK},
    {"Max resident set", RLIMIT_RSS},
    {"Max processes", RLIMIT_NPROC},
    {"Max open files", RLIMIT_NOFILE},
    {"Max locked memory", RLIMIT_MEMLOCK},
    {"Max address space", RLIMIT_AS},
    {"Max file locks", RLIMIT_LOCKS},
    {"Max pending signals", RLIMIT_SIGPENDING},
    {"Max msgqueue size", RLIMIT_MSGQUEUE},
    {"Max nice priority", RLIMIT_NICE},
    {"Max realtime priority", RLIMIT_RTPRIO},
    {"Max realtime timeout", RLIMIT_RTTIME},
}};

bool parseValue(const std::string &word, rlim_t &value)
{
    if (word == "unlimited") {
        value = RLIM_INFINITY;
        return true;
    }
    if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::strtoull(word.c_str(), nullptr, 10);
    return true;
}

void closeDescriptorsAbove2()
{
    if (close_range(3, ~0U, 0) == 0) {
        return;
    }
    // Kernels before 5.9: every descriptor the process has, one by one.
    DIR *fds = opendir("/proc/self/fd");
    if (!fds) {
        return;
    }
    const int own = dirfd(fds);
    std::vector<int> open;
    while (const dirent *entry = readdir(fds)) {
        const int fd = std::atoi(entry->d_name);
        if (fd > 2 && fd != own) {
            open.push_back(fd);
        }
    }
    closedir(fds);
    for (const int fd : open) {
        close(fd);
    }
}

// Process 1's CPU mask, in a set as large as the kernel's CPU count needs.
void takeSystemAffinity()
{
    for (int cpus = 1024; cpus <= 1 << 20; cpus *= 2) {
        const auto free = [](cpu_set_t *set) { CPU_FREE(set); };
        const std::unique_ptr<cpu_set_t, decltype(free)> set(CPU_ALLOC(cpus), free);
        const std::size_t size = CPU_ALLOC_SIZE(cpus);
        if (set && sched_getaffinity(1, size, set.get()) == 0) {
            sched_setaffinity(0, size, set.get());
            return;
        }
        if (!set || errno != EINVAL) {
            return;
        }
    }
}

// Each on its own: one the kernel refuses leaves the others taken.
void takeSystemScheduling()
{
    sched_param priority{};
    const int policy = sched_getscheduler(1); // with SCHED_RESET_ON_FORK
    if (policy >= 0 && sched_getparam(1, &priority) == 0) {
        sched_setscheduler(0, policy, &priority);
    }
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 1);
    if (errno == 0) {
        setpriority(PRIO_PROCESS, 0, nice);
    }
    long io = syscall(SYS_ioprio_get, IOPRIO_WHO_PROCESS, 1);
    if (io >= 0) {
        // Older kernels read an unset priority as "none" with a level,
        // which they refuse to set: "none" follows the nice value anyway.
        if (IOPRIO_PRIO_CLASS(io) == IOPRIO_CLASS_NONE) {
            io = IOPRIO_PRIO_VALUE(IOPRIO_CLASS_NONE, 0);
        }
        syscall(SYS_ioprio_set, IOPRIO_WHO_PROCESS, 0, io);
    }
    takeSystemAffinity();
    // Below the caller's own minimum only with CAP_SYS_RESOURCE.
    std::ifstream system("/proc/1/oom_score_adj");
    std::ofstream("/proc/self/oom_score_adj") << system.rdbuf();
}

} // namespace

namespace CleanProcess {

std::vector<Limit> limitsFromProcText(std::string_view text)
{
    std::vector<Limit> limits;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        for (const Named &named : names) {
            if (line.compare(0, named.name.size(), named.name) != 0 ||
                line.size() == named.name.size() || line[named.name.size()] != ' ') {
                continue;
            }
            std::istringstream words(line.substr(named.name.size()));
            std::string soft, hard;
            Limit limit{named.resource, {}};
            if (words >> soft >> hard && parseValue(soft, limit.value.rlim_cur) &&
                parseValue(hard, limit.value.rlim_max)) {
                limits.push_back(limit);
            }
        }
    }
    return limits;
}

void restoreLimits(const std::vector<Limit> &limits)
{
    for (const Limit &limit : limits) {
        if (setrlimit(limit.resource, &limit.value) == 0) {
            continue;
        }
        rlimit current{};
        if (getrlimit(limit.resource, &current) != 0) {
            continue;
        }
        const rlimit reachable{std::min(limit.value.rlim_cur, current.rlim_max), current.rlim_max};
        setrlimit(limit.resource, &reachable);
    }
}

void takeSystemSettings()
{
    std::ifstream system("/proc/1/limits");
    std::stringstream text;
    text << system.rdbuf();
    restoreLimits(limitsFromProcText(text.str()));
    takeSystemScheduling();
}

std::optional<std::string> prepare()
{
    // A child is never a group leader, so this fails only in the leader
    // of a session already, which is clean of the caller's terminal too.
    if (setsid() < 0 && getsid(0) != getpid()) {
        return std::string("cannot start a session: ") + std::strerror(errno);
    }
    for (int number = 1; number < NSIG; ++number) {
        std::signal(number, SIG_DFL); // fails only for KILL, STOP and the unused
    }
    sigset_t none;
    sigemptyset(&none);
    if (sigprocmask(SIG_SETMASK, &none, nullptr) != 0) {
        return std::string("cannot unblock signals: ") + std::strerror(errno);
    }
    const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (devNull < 0 || dup2(devNull, STDIN_FILENO) < 0) {
        return std::string("cannot open /dev/null: ") + std::strerror(errno);
    }
    closeDescriptorsAbove2();
    umask(022);
    if (chdir("/") != 0) {
        return std::string("cannot change to /: ") + std::strerror(errno);
    }
    takeSystemSettings();
    return std::nullopt;
}

} // namespace CleanProcess
