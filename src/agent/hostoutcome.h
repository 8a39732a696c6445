// What a privileged host reports of one configure run: plain values, worded
// for the user by ConfigureError alone.
#pragma once

#include <QString>

#include <array>
#include <string_view>
#include <variant>

namespace HostOutcome {

// How a process ended: its exit status, or the signal that ended it.
struct Termination
{
    bool bySignal = false;
    int number = 0;

    bool succeeded() const { return !bySignal && number == 0; }
};

// The command line ran as root and exited 0.
struct Succeeded
{};
// The system scripting host failed (a dismissed prompt included): its
// status, or the signal that ended it, and its error output, decoded and
// trimmed.
struct ScriptFailed
{
    qint32 code;
    QString standardError;
    // A cancel mark stood somewhere in the whole error output, also past
    // what standardError keeps.
    bool cancelMarked = false;
};
// The scripting host's marks of a dismissed administrator dialog.
inline constexpr std::array<std::string_view, 2> scriptCancelMarks{"User canceled", "(-128)"};
// The agent's configure command ran as root and failed: how it ended and its
// error output, decoded and trimmed.
struct CommandFailed
{
    Termination termination;
    QString errorOutput;
};
// The user dismissed the administrator prompt.
struct PromptDismissed
{};
// Administrator approval was not given: the prompt was cancelled, the
// password refused, or the account may not enroll. pkexec cannot tell
// these apart.
struct NotAuthorized
{};
// Nothing was asked and nothing ran.
struct PromptUnavailable
{
    enum class Why {
        NoAuthenticationAgent,
        PolkitUnreachable,
        PkexecNotSetuid,
        PkexecMissing, // detail: the system's reason
        HelperMissing, // detail: the helper's path
        HelperRefused, // detail: the helper's reason
        HelperBusy,    // another run with the same agent is under way
    };
    Why why;
    QString detail; // shown verbatim; may be empty
};

using Outcome = std::variant<Succeeded, ScriptFailed, CommandFailed, PromptDismissed, NotAuthorized,
                             PromptUnavailable>;

} // namespace HostOutcome
