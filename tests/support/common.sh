# Sourced by the test scripts.

# The scripts read English texts of the window and of the tools, whatever
# the user's language; a test of another language sets LANGUAGE for the
# program it starts.
export LC_ALL=C.UTF-8
unset LANGUAGE

# A test that cannot run here skips with the reason (CTest's SKIP_RETURN_CODE
# 77); in CI it fails instead, so a green CI run has run everything.
skip() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1 (CI must run this test)" >&2
        exit 1
    fi
    echo "SKIP: $1" >&2
    exit 77
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}

# Runs the calling script again inside private PID and mount namespaces and
# sets $scratch to a fresh folder on a tmpfs of that mount namespace. Every
# process the script starts ends with it, and everything it writes under
# $scratch (test tokens included) is gone with it, however it ends: a KILL
# included, which runs no trap. Daemons and process listings see only this
# test's processes. A script started from inside another's sandbox shares it,
# as pkexec and polkitd must see one process table.
#   enter_sandbox "$@"   (first thing after sourcing this file)
enter_sandbox() {
    if [ -n "${OVATA_SANDBOX_NEW:-}" ]; then
        mount -t tmpfs -o mode=755 tmpfs "$OVATA_SANDBOX_NEW"
        export OVATA_SANDBOX_ROOT=$OVATA_SANDBOX_NEW
        unset OVATA_SANDBOX_NEW
        # What the tools under test put in a temporary folder goes here too.
        mkdir -m 1777 "$OVATA_SANDBOX_ROOT/tmp"
        export TMPDIR=$OVATA_SANDBOX_ROOT/tmp
    fi
    if [ -n "${OVATA_SANDBOX_ROOT:-}" ]; then
        scratch=$(mktemp -d -p "$OVATA_SANDBOX_ROOT")
        return 0
    fi
    local namespaces=(unshare --mount --pid --fork --kill-child --mount-proc --propagation private)
    [ "$(id -u)" -eq 0 ] || namespaces+=(--map-root-user)
    "${namespaces[@]}" true 2>/dev/null || skip "no private PID and mount namespaces can be made here"
    local mountpoint status=0
    mountpoint=$(mktemp -d)
    # unshare holds TERM and INT back from itself; ending it with KILL ends
    # the namespaces and all in them.
    OVATA_SANDBOX_NEW=$mountpoint "${namespaces[@]}" bash "$0" "$@" &
    local inner=$!
    trap 'kill -KILL $inner 2>/dev/null' TERM INT HUP
    while kill -0 "$inner" 2>/dev/null; do
        wait "$inner" || status=$?
    done
    rmdir "$mountpoint"
    exit "$status"
}

# Waits at most $2 seconds (times OVATA_BOUND_SCALE, under a sanitizer) for
# our child $1 to end and returns its status; a child still running then is
# killed and 124 returned.
wait_bounded() {
    local pid=$1 limit=$(($2 * ${OVATA_BOUND_SCALE:-1})) i
    for ((i = 0; i < limit * 10; ++i)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 124
    fi
    wait "$pid"
}

# One check of a script with several: counted in $failures, which the script
# turns into its status at the end.
failures=0
check() { # <what> <actual> <expected>
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1"$'\n'"  expected: $3"$'\n'"  actual:   $2" >&2
        failures=$((failures + 1))
    fi
}

# A check that a command succeeds; what it said is shown when it does not.
check_runs() { # <what> <command...>
    local what=$1 said
    shift
    said=$("$@" 2>&1) && check "$what" yes yes || check "$what: $said" no yes
}

# Runs a command every tenth of a second until it succeeds, at most $1 times.
poll() { local _; for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done; return 1; } # <tries> <command…>

# Starts a virtual X server on a free display, exports DISPLAY, and adds its
# pid to the caller's $pids. $1: a folder for its files.
start_xvfb() {
    exec 3>"$1/display"
    # A display no server uses in any mount namespace: the abstract sockets
    # tell, where another namespace's lock files do not.
    local display=100
    while grep -q "/tmp/.X11-unix/X$display\b" /proc/net/unix; do display=$((display + 1)); done
    # -noreset: a client's leaving (the AT-SPI launcher's, after it has set
    # its root property) would otherwise reset the server, dropping that
    # property and any client connecting meanwhile.
    Xvfb ":$display" -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
    pids+=($!)
    poll 100 test -s "$1/display" || true
    export DISPLAY=:$(cat "$1/display")
}

# Inside the sandbox: /usr/bin/pkexec is the tests' fake one, which runs its
# arguments as they are, so the shipped program and helper run unchanged
# without polkit. $1: a folder.
pass_through_pkexec() {
    cp "$(dirname "${BASH_SOURCE[0]}")/../fixtures/fake-pkexec" "$1/pkexec"
    mount --bind "$1/pkexec" /usr/bin/pkexec
}

# Lays out the application, its helper and the stand-in agent in folder $1 as
# a package does, each under the name it was built with.
install_beside_agent() { # <folder> <application> <helper> <agent>
    mkdir -p "$1"
    cp "$2" "$3" "$4" "$1/"
}

# Ends what the script started, by the pids it kept in $pids.
end_started() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    return 0
}
