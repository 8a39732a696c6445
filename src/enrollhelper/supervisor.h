// The root helper stays the agent's parent for as long as the agent runs, so
// that the agent ends with the program that asked for it. The kernel drops
// the parent-death signal an ordinary user's dying process would send to a
// root one, so the helper watches that program itself. When the program
// ends (a close, a crash, a SIGKILL), or a terminal's signal (INT, QUIT, HUP,
// TSTP) or TERM reaches the helper, or the helper fails, the agent's process
// group and every process of the agent's that ends up the helper's child
// (the helper is a subreaper: a process that left the agent's session, or
// was forked twice, comes to it as its parent ends) get SIGTERM, and SIGKILL
// from gracePeriod on, until none is left. An agent that completes is not
// stopped: what it started runs on, and the helper does not wait for it. The
// helper ends only after its agent has, and as it did.
#pragma once

#include "enrollhelper/refusal.h"

#include <chrono>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <sys/types.h>

namespace Supervisor {

inline constexpr std::chrono::seconds gracePeriod{5};

// The process that started the helper (pkexec runs as it, so: the program
// that asked), watched through a pidfd where the kernel has them and by its
// parenthood otherwise.
class Caller
{
public:
    // Nothing when it has already ended and the helper was handed on.
    [[nodiscard]] static std::optional<Caller> parent();
    Caller(Caller &&other) noexcept;
    Caller &operator=(Caller &&) = delete;
    ~Caller();

    [[nodiscard]] bool gone() const;
    int descriptor() const { return m_pidfd; } // -1 without a pidfd

private:
    Caller(pid_t pid, int pidfd);
    pid_t m_pid;
    int m_pidfd;
};

// How the agent ended, as waitpid gives it.
struct Ended
{
    int waitStatus;
};

// Starts the program `arguments` names in a clean process and waits for it.
// A start that fails in the child is one refusal line on standard error
// and status 125 from it.
[[nodiscard]] std::variant<Refusal, Ended> runAgent(const std::vector<std::string> &arguments,
                                                    const Caller &caller);

// Ends this process as the agent ended: the same status, or the same signal.
[[noreturn]] void endAs(Ended ended);

} // namespace Supervisor
