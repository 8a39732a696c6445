// What the application, its root helper and the device agent agree on. The
// agent is not ours: its words are fixed here once. Plain C++, as the root
// helper shares this header and links no Qt.
#pragma once

#include "contractlimits.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace AgentContract {

// The agent executable is this stem followed by the instance suffix.
inline constexpr std::string_view agentStem = "OvataDeviceAgent";
// The application's own name; a bundle named after it plus a suffix drives
// the agent with the same suffix.
inline constexpr std::string_view applicationPrefix = "OvataAgentConfigurator";

// The naming rule both sides apply to a file name (no folder): the text
// after applicationPrefix in the name without its last extension (a leading
// dot starts no extension), so "OvataAgentConfigurator-2.app" and
// "OvataAgentConfigurator-2" give "-2" and "OvataAgentConfigurator.bak" gives
// "". Nothing when the name does not start with applicationPrefix.
std::optional<std::string_view> instanceSuffix(std::string_view applicationName);

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

// The helper's exit status and the start of its one line when it refuses.
inline constexpr int refusedStatus = 125;
inline constexpr std::string_view refusalPrefix = "ovata-enroll-helper: refused: ";
// The reason it gives when another run with the same agent holds the lock,
// which the application words apart: reinstalling helps nothing there.
inline constexpr std::string_view busyReason =
    "another enrollment with this agent is under way; try again once it has ended";

} // namespace AgentContract
