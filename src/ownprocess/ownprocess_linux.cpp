#include "ownprocess/ownprocess.h"

#include <climits>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OwnProcess {

std::optional<std::string> executablePath()
{
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
}

void keepMemoryPrivate()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

} // namespace OwnProcess
