#!/usr/bin/env bash
# A full enrollment through the window under strace: the token may appear in
# the argument vector the application hands to the scripting host (and the
# host to pkexec), and nowhere else in what either of them does. The agent
# is not ours; what it writes is its own business.
#   token_trace.sh <application> <scripthost> <stand-in agent>
set -euo pipefail
here=$(dirname "$0")
source "$(dirname "$0")/../support/skip.sh"
require_tools strace
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
trace=$work/trace

OVATA_E2E_WRAP="strace -f -qq -s 1048576 -o $trace -e trace=openat,write,execve,clone,clone3,fork,vfork" \
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
    {
        who = base(program($1, FNR))
        ours = who == "OvataAgentConfigurator" || who == "ovata-scripthost"
        if (ours && $0 ~ / write\(/) writes[who]++
        if (!ours || index($0, fragment) == 0) next
        if ($0 ~ / execve\("/) {
            match($0, /execve\("[^"]*"/)
            handed[who " -> " base(substr($0, RSTART + 8, RLENGTH - 9))]++
        } else {
            print "LEAK by " who ": " substr($0, 1, 200)
            leaks++
        }
    }
    END {
        for (h in handed) print "handed: " h
        printf "writes traced: application %d, host %d\n", writes["OvataAgentConfigurator"], writes["ovata-scripthost"]
        ok = !leaks && handed["OvataAgentConfigurator -> ovata-scripthost"] && writes["OvataAgentConfigurator"] > 0
        print ok ? "PASS: the token went only to the host, as an argument" : "FAIL: see above"
        exit !ok
    }' "$trace" "$trace"
