// The process the agent starts in as root: nothing of the caller's process
// settings reaches it. pkexec passes on the caller's umask, resource limits,
// priorities, descriptors at or above the caller's soft descriptor limit,
// and with --keep-cwd the working folder; a user allowed to enroll could
// otherwise make the root agent fail half-way (a file size limit of 0),
// starve it, hand it files of their choosing, or make it an agent that
// cannot be stopped (an ignored or blocked SIGTERM).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/resource.h>

namespace CleanProcess {

struct Limit
{
    int resource;
    rlimit value;
};

// The limits in the text of /proc/<pid>/limits that a caller can lower: all
// but the core file size, which stays 0.
std::vector<Limit> limitsFromProcText(std::string_view text);

// Puts each limit in place as far as the kernel lets it: where a hard limit
// cannot be raised (no CAP_SYS_RESOURCE), the soft limit rises to the hard.
void restoreLimits(const std::vector<Limit> &limits);

// What process 1 has, as far as the kernel lets this process take it: its
// resource limits (restoreLimits), nice value, scheduling policy with its
// reset-on-fork flag and priority, I/O priority, CPU affinity and OOM score
// adjustment. For the helper itself too, so that a caller at nice 19,
// SCHED_IDLE, idle I/O, on one CPU, at oom_score_adj 1000 or with a low CPU
// or memory limit can neither starve it nor have the kernel end it first.
void takeSystemSettings();

// A session of its own (out of the caller's terminal's foreground group),
// every signal at its default and none blocked, standard input from
// /dev/null, no descriptor above 2, umask 022, working folder /, and the
// settings of process 1 (taken again: a reset-on-fork flag drops the nice
// value and policy at the fork). The reason when the process cannot be made
// so.
[[nodiscard]] std::optional<std::string> prepare();

} // namespace CleanProcess
