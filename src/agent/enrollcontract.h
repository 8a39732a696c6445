// What the application and its root helper agree on. Plain C++, as the
// helper shares it.
#pragma once

#include <cstddef>
#include <string_view>

namespace EnrollContract {

// The longest configure command line. It reaches the agent as the argument
// of `/bin/sh -c`, and the system takes no longer argument: on Linux 128 KiB
// with its terminating NUL.
#ifdef __APPLE__
// Bounded by the whole argument space (1 MiB); the script doubles backslashes.
inline constexpr std::size_t maxCommandLineBytes = 256 * 1024;
#else
inline constexpr std::size_t maxCommandLineBytes = 128 * 1024 - 1;
#endif

// The helper's exit status and the start of its one line when it refuses.
inline constexpr int refusedStatus = 125;
inline constexpr std::string_view refusalPrefix = "ovata-enroll-helper: refused: ";

} // namespace EnrollContract
