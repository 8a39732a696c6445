// Blocking work (the probe, the configure run) on threads of our own: never
// on Qt's shared pool, which the painter uses, so the window keeps drawing
// whatever the agent does. Every job's thread is joined before the
// application object goes, and again before static destruction, so nothing
// of ours runs on while the process ends.
#pragma once

#include <functional>

namespace BackgroundJobs {

using Job = std::function<void()>;
// How a job gets its thread; tests put a failing one in its place.
using Starter = std::function<void(Job)>;

// Runs the job on a new thread. Throws std::system_error when no thread can
// be started.
void start(Job job);

// Runs `apply` on the interface thread, queued on the application object, so
// that it is applied even after a window has gone. Posted before that object
// exists (by a job started first thing), it is held until it does.
void post(std::function<void()> apply);

// Blocks until every job has ended and its outcome is applied, running the
// interface thread's events meanwhile. Call it on the
// interface thread once its event loop has returned.
void waitForAll();

} // namespace BackgroundJobs
