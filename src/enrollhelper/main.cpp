// ovata-enroll-helper: run by pkexec as root. Reads the agent's configure
// command line from standard input, so no secret is ever on the argument
// list of pkexec or of this helper, or in the system log; checks that it is
// exactly the command the application writes, for an agent that only this
// helper's installer could have put beside it; and starts that agent itself,
// in a clean process, with the seven words as its arguments. The agent's
// exit status and error output pass through; a refusal is one line on
// standard error and status 125, and nothing runs.
#include "agentcontract.h"
#include "cleanprocess.h"
#include "enrollcommand.h"
#include "ownprocess.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The application writes the line as soon as the helper starts; a caller
// that keeps the pipe open is not waited for as root.
constexpr std::chrono::seconds inputPatience{10};

int refuse(const std::string &reason)
{
    std::fprintf(stderr, "%.*s%s\n", int(AgentContract::refusalPrefix.size()),
                 AgentContract::refusalPrefix.data(), reason.c_str());
    return AgentContract::refusedStatus;
}

// At most one byte more than the limit, so an overlong line is seen as such.
// Empty reason on success.
std::string readStandardInput(std::string &input)
{
    const auto deadline = std::chrono::steady_clock::now() + inputPatience;
    char buffer[16384];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd in{STDIN_FILENO, POLLIN, 0};
        const int ready = left.count() > 0 ? poll(&in, 1, int(left.count())) : 0;
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready == 0) {
            return "the command line did not arrive within " +
                   std::to_string(inputPatience.count()) + " seconds";
        }
        const ssize_t n = ready < 0 ? -1 : read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::string("cannot read the command line: ") + std::strerror(errno);
        }
        if (n == 0) {
            return {};
        }
        input.append(buffer, static_cast<std::size_t>(n));
        if (input.size() > AgentContract::maxCommandLineBytes) {
            return {};
        }
    }
}

} // namespace

int main()
{
    // The token is in this process's memory: no core file may keep it.
    OwnProcess::keepMemoryPrivate();

    std::string line;
    if (const std::string problem = readStandardInput(line); !problem.empty()) {
        return refuse(problem);
    }
    // Trust follows the helper's own file: root's when installed.
    const std::string self = OwnProcess::executablePath().value_or(std::string());
    struct stat own
    {};
    if (self.empty() || stat("/proc/self/exe", &own) != 0) {
        return refuse("the helper cannot name its own file");
    }
    const auto verdict = EnrollCommand::check(line, self.substr(0, self.rfind('/')), own.st_uid);
    if (const auto *no = std::get_if<EnrollCommand::Refused>(&verdict)) {
        return refuse(no->reason);
    }
    const auto &command = std::get<EnrollCommand::Accepted>(verdict);

    std::string problem;
    if (!CleanProcess::prepare(problem)) {
        return refuse(problem);
    }
    const std::vector<std::string> arguments = command.arguments();
    std::vector<char *> argv;
    for (const std::string &argument : arguments) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execv(command.agentPath.c_str(), argv.data());
    return refuse(command.agentPath + " cannot be started: " + std::strerror(errno));
}
