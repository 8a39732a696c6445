// The one command line the root helper runs: the agent's configure command
// exactly as the application writes it. Anything else is refused, so a polkit
// grant for the helper grants enrollment and nothing more.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace EnrollCommand {

// The agent's path, unquoted.
struct Accepted
{
    std::string agentPath;
};
// Why the line was refused, in words for the user.
struct Refused
{
    std::string reason;
};

// Checks the words: the single-quoted path of an executable regular file in
// helperDirectory named "OvataDeviceAgent" plus a suffix without "/", then
// --configure, --token, --base-url and --upn-override, each followed by one
// single-quoted word, all joined by single blanks.
std::variant<Accepted, Refused> check(std::string_view line, std::string_view helperDirectory);

} // namespace EnrollCommand
