// Runs the agent's configure command as root through the platform's
// privileged host, which first asks for an administrator's credentials.
#pragma once

class QString;
struct AgentPlatform;

// Blocks until the host has ended; call it off the interface thread. Throws
// ConfigureError (the agent or the application's folder cannot be named, a
// value cannot reach the agent whole, or the host did not succeed: a
// dismissed prompt included) or HostLaunchError (the host could not be
// started). Nothing is started before the values and the agent are checked.
void runConfigure(const AgentPlatform &platform, const QString &token, const QString &baseURL,
                  const QString &upnOverride);
