#!/usr/bin/env bash
# A full enrollment through the window under strace. The token may travel
# only on the pipe from the application to the root helper's standard input,
# and as an argument only to the agent, which the helper starts itself: never
# in pkexec's or the helper's argument list, never in a shell's, never in any
# other write.
#   token_trace.sh <application> <enroll helper> <stand-in agent>
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/common.sh"
require_tools strace
enter_sandbox "$@"
# The trace holds the test token: it stays in this 0700 folder, on a tmpfs
# that ends with the test however the test ends.
trace=$scratch/trace

# Under ASan, LeakSanitizer cannot stop a process that strace already traces.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
OVATA_E2E_WRAP="strace -f -qq -y -s 1048576 -o $trace -e trace=openat,write,writev,sendmsg,sendto,execve,clone,clone3,fork,vfork" \
    bash "$here/e2e_enrollment.sh" "$@"

# A fragment of the end-to-end token that nothing else would write; strace
# prints none of its characters escaped.
fragment='$(id) `id` {x}'
awk -v fragment="$fragment" '
    function program(pid, line) {
        while (pid != "") {
            for (i = execs[pid]; i > 0; --i)
                if (execLine[pid, i] < line) return execPath[pid, i]
            pid = parent[pid]
        }
        return "?"
    }
    function base(path) { sub(/.*\//, "", path); return path }
    NR == FNR {
        if ($0 ~ / execve\("/ && $0 !~ /= -1 /) {
            match($0, /execve\("[^"]*"/)
            execs[$1]++
            execLine[$1, execs[$1]] = FNR
            execPath[$1, execs[$1]] = substr($0, RSTART + 8, RLENGTH - 9)
        }
        if ($0 ~ /(clone3?|v?fork)\(|<\.\.\. (clone3?|v?fork) resumed>/ && match($0, /= [0-9]+$/))
            parent[substr($0, RSTART + 2)] = $1
        next
    }
    index($0, fragment) == 0 { next }
    {
        who = base(program($1, FNR))
        if ($0 ~ / execve\("/) {
            match($0, /execve\("[^"]*"/)
            target = base(substr($0, RSTART + 8, RLENGTH - 9))
            if (who == "ovata-enroll-helper" && target == "OvataDeviceAgent") { handed[who " -> " target]++; next }
        } else if (who == "OvataAgentConfigurator" && $0 ~ / write\([0-9]+<pipe:/) {
            handed["OvataAgentConfigurator -> pipe"]++
            next
        }
        # The agent is not ours: what it does with the token is its business.
        if (who == "OvataDeviceAgent") next
        print "LEAK by " who ": " substr($0, 1, 200)
        leaks++
    }
    END {
        for (h in handed) print "handed: " h
        ok = !leaks && handed["OvataAgentConfigurator -> pipe"] && handed["ovata-enroll-helper -> OvataDeviceAgent"]
        print ok ? "PASS: the token went only through the helper'"'"'s standard input to the agent" : "FAIL: see above"
        exit !ok
    }' "$trace" "$trace"
