#include "ownprocess.h"

#include <climits>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace OwnProcess {

std::string pathFromLink(std::string_view link, bool linkIsThisFile)
{
    constexpr std::string_view replaced = " (deleted)";
    if (!linkIsThisFile && link.size() >= replaced.size() &&
        link.substr(link.size() - replaced.size()) == replaced) {
        link.remove_suffix(replaced.size());
    }
    return std::string(link);
}

std::optional<std::string> executablePath()
{
#ifdef __linux__
    char target[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", target, sizeof target);
    if (n <= 0 || n == ssize_t(sizeof target)) {
        return std::nullopt;
    }
    const std::string link(target, static_cast<std::size_t>(n));
    struct stat running
    {};
    struct stat named
    {};
    const bool same = stat("/proc/self/exe", &running) == 0 && stat(link.c_str(), &named) == 0 &&
                      running.st_dev == named.st_dev && running.st_ino == named.st_ino;
    return pathFromLink(link, same);
#else
    return std::nullopt;
#endif
}

void keepMemoryPrivate()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#ifdef __linux__
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

} // namespace OwnProcess
