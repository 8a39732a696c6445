// The platform facts agent control depends on, gathered at one seam: tests
// point them at fixtures, production uses system().
#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class PrivilegedHost;

struct AgentPlatform
{
    // Asked anew on every use; the agent's location is never cached.
    // Nothing when the platform cannot name it.
    std::function<std::optional<QString>()> bundleLocation;
    // Runs the configure command line as root after the administrator prompt.
    std::shared_ptr<const PrivilegedHost> privilegedHost;
    // How long the probe waits for the agent before counting it as false.
    std::chrono::milliseconds probeTimeout{std::chrono::seconds(30)};

    // This process's own bundle and the platform's privileged host: the
    // system scripting host on macOS, pkexec and our helper elsewhere.
    static AgentPlatform system();
};
