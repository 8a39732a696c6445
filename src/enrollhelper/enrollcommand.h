// The one command the root helper runs: the agent's configure command exactly
// as the application writes it, for the agent of a configurator beside it,
// both such that only the helper's own installer could have put them there.
// Anything else is refused, so a polkit grant for the helper grants
// enrollment and nothing more.
#pragma once

#include "enrollhelper/refusal.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <sys/types.h>

namespace EnrollCommand {

// The agent's path and the three values, unquoted.
struct Accepted
{
    std::string agentPath;
    std::array<std::string, 3> values; // token, base URL, UPN override

    // The agent's argument list: its path, then the seven words.
    std::vector<std::string> arguments() const;
};
using Verdict = std::variant<Accepted, Refusal>;

// The words alone: the single-quoted path of a file named "OvataDeviceAgent"
// plus a suffix in helperDirectory, then --configure, --token, --base-url and
// --upn-override, each but the first followed by one single-quoted word
// (every ' inside written as '\''), all joined by single blanks. Looks at
// nothing on disk.
[[nodiscard]] Verdict parse(std::string_view line, std::string_view helperDirectory);

// Whether only the trusted owner (the owner of the helper's own file) or
// root could have put the agent there, and whether it is the agent of a
// configurator beside it:
// - the agent's path is absolute;
// - the agent and a configurator beside it that the naming rule maps to the
//   agent's name are each no symbolic link, but a regular executable file
//   owned by trustedOwner and writable by nobody else;
// - their folder and every folder above it are owned by root or trustedOwner
//   and writable by nobody else, except a sticky folder (such as /tmp) whose
//   entry on the path is owned by root or trustedOwner.
// Nothing when it is trusted.
[[nodiscard]] std::optional<Refusal> untrustedAgent(const std::string &agentPath,
                                                    uid_t trustedOwner);

// parse, then untrustedAgent. A helperDirectory that is not absolute (the
// helper's own folder could not be read) is a refusal.
[[nodiscard]] Verdict check(std::string_view line, std::string_view helperDirectory,
                            uid_t trustedOwner);

} // namespace EnrollCommand
