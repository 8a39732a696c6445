// ovata-enroll-helper: run by pkexec as root. Reads the agent's configure
// command line from standard input, so no secret is ever on an argument list
// or in the system log, checks that it is exactly the command the
// application writes, and runs it with /bin/sh. The agent's exit status and
// error output pass through; a refusal is one line and status 125.
#include "enrollcommand.h"
#include "enrollcontract.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int refuse(const std::string &reason)
{
    std::fprintf(stderr, "%.*s%s\n", int(EnrollContract::refusalPrefix.size()),
                 EnrollContract::refusalPrefix.data(), reason.c_str());
    return EnrollContract::refusedStatus;
}

std::string ownDirectory()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return {};
    }
    std::string self(path, static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/'));
}

// At most one byte more than the limit, so an overlong line is seen as such.
bool readStandardInput(std::string &input)
{
    char buffer[16384];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        input.append(buffer, static_cast<std::size_t>(n));
        if (input.size() > EnrollContract::maxCommandLineBytes) {
            return true;
        }
    }
}

} // namespace

int main()
{
    // The token is in this process's memory: no core file may keep it.
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);

    std::string line;
    if (!readStandardInput(line)) {
        return refuse(std::string("cannot read the command line: ") + std::strerror(errno));
    }
    const auto verdict = EnrollCommand::check(line, ownDirectory());
    if (const auto *no = std::get_if<EnrollCommand::Refused>(&verdict)) {
        return refuse(no->reason);
    }

    // The agent reads nothing; the pipe the line came through is done.
    const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
    }
    execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char *>(nullptr));
    return refuse(std::string("cannot run /bin/sh: ") + std::strerror(errno));
}
