#!/usr/bin/env bash
# ./run as someone who just cloned the repository, on a machine without a
# display or a polkit daemon: the hint it gives works as it says, saving
# included, and nothing it started is left running once the window closes.
# A private mount namespace keeps its system bus off the machine's /run.
#   first_run.sh <source directory> <build directory>
set -euo pipefail
source_dir=$1 build=$2
source "$(dirname "$0")/../support/common.sh"
[ "$(id -u)" -eq 0 ] || skip "starting polkit for ./run needs root"
require_tools xvfb-run xdotool xwininfo /usr/lib/polkit-1/polkitd
enter_sandbox "$@"
# This test's own /run/dbus and demo folder: no bus or polkit daemon of the
# machine is seen, and the agent's state in the demo folder is not touched.
mkdir -p /run/dbus "$build/demo"
mount -t tmpfs -o mode=755 tmpfs /run/dbus
mount -t tmpfs -o mode=755 tmpfs "$build/demo"
export BUILD_DIR=$build
demo=$build/demo
state=$demo/OvataDeviceAgent.state
run_pid=
# ./run stops what it started once its window has gone.
stop_run() { [ -z "$run_pid" ] || kill "$run_pid" 2>/dev/null || true; }
trap stop_run EXIT
trap 'echo "FAIL: line $LINENO" >&2' ERR

hint=$(env -u DISPLAY -u WAYLAND_DISPLAY "$source_dir/run" 2>&1 >/dev/null | sed -n 's/^    //p') || true
case $hint in "xvfb-run -a /"*"/run") ;; *) echo "FAIL: the hint: '$hint'" >&2; exit 1 ;; esac
echo "the hint: $hint"

read -ra command <<<"$hint"
env -u DISPLAY -u WAYLAND_DISPLAY "${command[@]}" >"$scratch/run.log" 2>&1 &
run_pid=$!
poll 600 pgrep -x OvataAgentConfi >/dev/null || true
xvfb=$(pgrep -P "$run_pid" -x Xvfb)
mapfile -d "" -t xvfb_args <"/proc/$xvfb/cmdline"
export DISPLAY=${xvfb_args[1]}
XAUTHORITY=$(printf '%s\n' "${xvfb_args[@]}" | sed -n '/^-auth$/{n;p}')
export XAUTHORITY
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Ovata Device Agent' | head -n 1)
# The form, taller than the checking indicator, is there once the probe has answered.
tall() { [ "$(xwininfo -id "$window" | sed -n 's/^ *Height: //p')" -gt 200 ]; }
poll 200 tall || true
xdotool windowfocus --sync "$window" type --delay 15 first-run-token
xdotool key Return
poll 200 test -f "$state/config" || { echo "FAIL: saving did not work" >&2; cat "$scratch/run.log" >&2; exit 1; }
last=$(ls "$state/calls" | tail -n 1)
[ "$(head -n 1 "$state/calls/$last" | cut -d' ' -f2)" = 0 ] || { echo "FAIL: not as root" >&2; exit 1; }
# Return does nothing until the success panel is shown, then Done ends the
# window, and ./run its display: xdotool may lose the display before it
# returns. What counts is that ./run ends, and how.
ended() { ! pgrep -x OvataAgentConfi >/dev/null || { xdotool key Return 2>/dev/null; false; }; }
poll 100 ended || true
status=0
wait_bounded "$run_pid" 20 || status=$?
run_pid=
[ "$status" -eq 0 ] || { echo "FAIL: ./run ended with status $status" >&2; cat "$scratch/run.log" >&2; exit 1; }
pgrep -r D,R,S,T -x polkitd >/dev/null && { echo "FAIL: polkitd left running" >&2; exit 1; }
pgrep -r D,R,S,T -f "dbus-daemon --system" >/dev/null && { echo "FAIL: the system bus left running" >&2; exit 1; }
echo "PASS: the hint's command enrolled as root and left nothing running"
