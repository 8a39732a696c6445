// Limits of the configure command line where the agent gets its values as
// arguments through the root helper.
#pragma once

#include <cstddef>

namespace AgentContract {

// The system takes no longer argument than 128 KiB with its terminating
// NUL; the helper reads no more than this.
inline constexpr std::size_t maxCommandLineBytes = 128 * 1024 - 1;

} // namespace AgentContract
