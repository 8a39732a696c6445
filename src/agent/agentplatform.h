// The platform facts agent control depends on, gathered at one seam: tests
// point them at fixtures, production uses system().
#pragma once

#include <QString>

#include <chrono>
#include <functional>

struct AgentPlatform
{
    // Asked anew on every use; the agent's location is never cached.
    std::function<QString()> bundleLocation;
    // The scripting host that runs "-e <script>" with administrator rights.
    QString scriptHost;
    // How long the probe waits for the agent before counting it as false.
    std::chrono::milliseconds probeTimeout{std::chrono::seconds(30)};

    // This process's own bundle and the platform's scripting host: the
    // system's on macOS, ours beside the application elsewhere.
    static AgentPlatform system();
};
