// The command-line contract with the device agent, which is not ours: these
// words are what the agent understands, so they are fixed here once.
#pragma once

#include <QLatin1String>

namespace AgentContract {

// The agent executable is this stem followed by the instance suffix.
inline constexpr QLatin1String agentStem("OvataDeviceAgent");
// The application's own name; a bundle named after it plus a suffix drives
// the agent with the same suffix.
inline constexpr QLatin1String applicationPrefix("OvataAgentConfigurator");

inline constexpr QLatin1String hasConfigFlag("--has-config");
inline constexpr QLatin1String configureFlag("--configure");
inline constexpr QLatin1String tokenFlag("--token");
inline constexpr QLatin1String baseUrlFlag("--base-url");
inline constexpr QLatin1String upnOverrideFlag("--upn-override");

// Used as the initial service URL, as the field's placeholder and in place of
// a blank URL at submit.
inline constexpr QLatin1String defaultCloudServiceUrl("https://cloud.ovata.example");

} // namespace AgentContract
