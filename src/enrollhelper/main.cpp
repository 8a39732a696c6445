// ovata-enroll-helper: run by pkexec as root. Reads the agent's configure
// command line from standard input, so no secret is ever on the argument
// list of pkexec or of this helper, or in the system log; checks that it is
// exactly the command the application writes, for the agent of a
// configurator beside it that only this helper's installer could have put
// there; and runs that agent itself, in a clean process, with the seven
// words as its arguments, one run of an agent at a time, for as long as the
// program that asked lives. The agent's exit status and error output pass
// through; a refusal is one line on standard error and status 125, and
// nothing runs.
#include "contract/agentcontract.h"
#include "enrollhelper/agentlock.h"
#include "enrollhelper/cleanprocess.h"
#include "enrollhelper/enrollcommand.h"
#include "enrollhelper/refusal.h"
#include "enrollhelper/supervisor.h"
#include "ownprocess/ownprocess.h"
#include "ownprocess/pathparts.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <string>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

using Reason = Refusal::Reason;

namespace {

// The application writes the line as soon as the helper starts; a caller
// that keeps the pipe open is not waited for as root.
constexpr std::chrono::seconds inputPatience{10};

// At most one byte more than the limit, so an overlong line is seen as such.
std::optional<Refusal> readStandardInput(std::string &input)
{
    const auto deadline = std::chrono::steady_clock::now() + inputPatience;
    char buffer[16384];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd in{STDIN_FILENO, POLLIN, 0};
        const int ready = left.count() > 0 ? poll(&in, 1, static_cast<int>(left.count())) : 0;
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready == 0) {
            return Refusal{Reason::InputTimeout, {}, std::to_string(inputPatience.count())};
        }
        const ssize_t n = ready < 0 ? -1 : read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Refusal{Reason::InputUnreadable, {}, std::strerror(errno)};
        }
        if (n == 0) {
            return std::nullopt;
        }
        input.append(buffer, static_cast<std::size_t>(n));
        if (input.size() > AgentContract::maxCommandLineBytes) {
            return std::nullopt;
        }
    }
}

// The agent's run under its lock, which is let go before the helper ends as
// the agent did.
std::variant<Refusal, Supervisor::Ended> runLocked(const EnrollCommand::Accepted &accepted,
                                                   const Supervisor::Caller &caller)
{
    const auto lock = AgentLock::take(accepted.agentPath);
    if (const auto *refusal = std::get_if<Refusal>(&lock)) {
        return *refusal;
    }
    return Supervisor::runAgent(accepted.arguments(), caller);
}

int run()
{
    // pkexec --user makes the helper another user's; the agent is root's.
    if (getuid() != 0 || geteuid() != 0) {
        return report({Reason::NotRoot, {}, std::to_string(getuid())});
    }
    CleanProcess::takeSystemSettings();
    const auto caller = Supervisor::Caller::parent();
    if (!caller) {
        return report({Reason::CallerGone});
    }
    std::string line;
    if (const auto refusal = readStandardInput(line)) {
        return report(*refusal);
    }
    // Trust follows the helper's own file: root's when installed.
    const std::string self = OwnProcess::executablePath().value_or(std::string());
    struct stat own
    {};
    if (self.empty() || stat("/proc/self/exe", &own) != 0) {
        return report({Reason::NoOwnFile});
    }
    const auto verdict = EnrollCommand::check(line, PathParts::directory(self), own.st_uid);
    if (const auto *refusal = std::get_if<Refusal>(&verdict)) {
        return report(*refusal);
    }
    if (caller->gone()) {
        return report({Reason::CallerGone});
    }
    const auto ran = runLocked(std::get<EnrollCommand::Accepted>(verdict), *caller);
    if (const auto *refusal = std::get_if<Refusal>(&ran)) {
        return report(*refusal);
    }
    Supervisor::endAs(std::get<Supervisor::Ended>(ran));
}

} // namespace

int main()
{
    // The token is in this process's memory: no core file may keep it.
    OwnProcess::keepMemoryPrivate();
    try {
        return run();
    } catch (const std::exception &error) {
        return report({Reason::Internal, {}, error.what()});
    } catch (...) {
        return report({Reason::Internal, {}, "unknown exception"});
    }
}
