// Waiting for a privileged host: its error output is read while it runs, so
// a full pipe never stalls it, and only the start is kept, so a flood costs
// no memory. Its standard output is never wanted.
#pragma once

#include "privilegedhost.h"

class QProcess;

namespace HostProcess {

// Waits for the started process to exit and gives its answer. Its standard
// output must already go to the null device.
HostAnswer finish(QProcess &process);

} // namespace HostProcess
