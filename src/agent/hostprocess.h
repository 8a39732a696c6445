// Waiting for a privileged host: its error output is read while it runs, so
// a full pipe never stalls it, and only the start is kept, so a flood costs
// no memory. Its standard output is never wanted.
#pragma once

#include "agent/hostoutcome.h"

#include <span>
#include <string_view>

class QProcess;

namespace HostProcess {

struct Finished
{
    HostOutcome::Termination termination;
    // UTF-8 decoded and trimmed; empty when it was not valid UTF-8.
    QString errorOutput;
    // Whether one of the marks asked for stood anywhere in the whole error
    // output, kept or not.
    bool markSeen = false;
};

// Waits for the started process to end. Its standard output must already go
// to the null device.
Finished finish(QProcess &process, std::span<const std::string_view> marks = {});

// Sends SIGTERM to every host still waited for, from any thread: for an
// application that ends while a run is under way. A host already running
// its command as root is beyond it: on Linux the root helper ends it once
// this process has ended; on macOS it may run on.
void endRunning();

} // namespace HostProcess
