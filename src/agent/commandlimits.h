// How long the agent's configure command line may be. It reaches the agent
// as the argument of `/bin/sh -c`, and the system takes no longer argument:
// on Linux 128 KiB with its terminating NUL, per argument. Plain C++, as the
// root helper shares it.
#pragma once

#include <cstddef>

namespace CommandLimits {

#ifdef __APPLE__
// Bounded by the whole argument space (1 MiB); the script doubles backslashes.
inline constexpr std::size_t maxCommandLineBytes = 256 * 1024;
#else
inline constexpr std::size_t maxCommandLineBytes = 128 * 1024 - 1;
#endif

} // namespace CommandLimits
