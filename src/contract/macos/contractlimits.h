// Limits of the configure command line where it travels inside the scripting
// host's script.
#pragma once

#include <cstddef>

namespace AgentContract {

// Bounded by the whole argument space (1 MiB); the script doubles backslashes.
inline constexpr std::size_t maxCommandLineBytes = 256 * 1024;

} // namespace AgentContract
