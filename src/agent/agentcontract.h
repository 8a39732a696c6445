// What the application, its root helper and the device agent agree on. The
// agent is not ours: its words are fixed here once. Plain C++, as the root
// helper shares this header and links no Qt.
#pragma once

#include <cstddef>
#include <string_view>

namespace AgentContract {

// The agent executable is this stem followed by the instance suffix.
inline constexpr std::string_view agentStem = "OvataDeviceAgent";
// The application's own name; a bundle named after it plus a suffix drives
// the agent with the same suffix.
inline constexpr std::string_view applicationPrefix = "OvataAgentConfigurator";

inline constexpr std::string_view hasConfigFlag = "--has-config";
// The configure command's flags, in their order; each but the first is
// followed by one value.
inline constexpr std::string_view configureFlag = "--configure";
inline constexpr std::string_view tokenFlag = "--token";
inline constexpr std::string_view baseUrlFlag = "--base-url";
inline constexpr std::string_view upnOverrideFlag = "--upn-override";

// Used as the initial service URL, as the field's placeholder and in place of
// a blank URL at submit.
inline constexpr std::string_view defaultCloudServiceUrl = "https://cloud.ovata.example";

// The root helper that runs the configure command on Linux, beside the
// application.
inline constexpr std::string_view helperName = "ovata-enroll-helper";

// The longest configure command line. On Linux the agent receives its values
// as arguments, and the system takes no longer one than 128 KiB with its
// terminating NUL; the helper reads no more than this.
#ifdef __APPLE__
// Bounded by the whole argument space (1 MiB); the script doubles backslashes.
inline constexpr std::size_t maxCommandLineBytes = 256 * 1024;
#else
inline constexpr std::size_t maxCommandLineBytes = 128 * 1024 - 1;
#endif

// The helper's exit status and the start of its one line when it refuses.
inline constexpr int refusedStatus = 125;
inline constexpr std::string_view refusalPrefix = "ovata-enroll-helper: refused: ";

} // namespace AgentContract
