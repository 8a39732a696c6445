// Runs the agent's configure command as root through the platform's
// privileged host, which first asks for an administrator's credentials.
#pragma once

class QString;
struct AgentPlatform;

// Blocks until the host has exited; call it off the interface thread.
// Throws ConfigureError (agent missing, or the host failed: a dismissed
// prompt included), HostLaunchError (the host could not be started) or
// UnsendableValueError (a value holds U+0000, or the command line would be
// too long for the system to pass on) or MessageError (the application's
// own folder cannot be named). Only the host's own failures come after
// anything was started.
void runConfigure(const AgentPlatform &platform, const QString &token, const QString &baseURL,
                  const QString &upnOverride);
void runConfigure(const QString &token, const QString &baseURL, const QString &upnOverride);
