// The platform's privileged host: it runs the agent's configure command line
// as root after the system's administrator prompt, and reports what
// happened as a value. Wording it is ConfigureError's job.
#pragma once

#include "agent/hostoutcome.h"

class PrivilegedHost
{
public:
    virtual ~PrivilegedHost() = default;

    // Blocks until the run has ended, prompt and agent included. A host that
    // cannot be started is an outcome too (PkexecHost: PromptUnavailable),
    // except the system scripting host's, which throws HostLaunchError with
    // the platform's words, as macOS shows them.
    virtual HostOutcome::Outcome run(const QString &commandLine) const = 0;
};
