#!/usr/bin/env bash
# The window as a screen reader meets it, with a real AT-SPI registry under
# Xvfb. The token is typed, partly deleted and pasted (1 MiB), and no event or
# answer may hold a character of it; the field is password text; the service
# URL field's events carry its text. While the agent is asked and while the
# configuration is saved the window is busy; each outcome panel is named by
# its headline and described by its text around the focused button; one
# object holds focus at a time. atspi_listen.py checks what it hears.
#   atspi_window.sh <application> <enroll helper> <stand-in agent>
set -euo pipefail
app=$1 helper=$2 agent=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/common.sh"
require_tools Xvfb xdotool xclip dbus-daemon /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
enter_sandbox "$@"
work=$scratch
pids=()
trap end_started EXIT

install=$work/opt/ovata
install_beside_agent "$install" "$app" "$helper" "$agent"
pass_through_pkexec "$work"

start_xvfb "$work"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work
read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d ' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
sleep 0.5
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids+=($!)
sleep 0.5

# Looks at the window at a named point; the listener removes the file once
# it has looked.
look() {
    touch "$work/look/$1"
    for _ in $(seq 100); do [ -e "$work/look/$1" ] || return 0; sleep 0.1; done
    echo "FAIL: the listener did not look at $1" >&2
}
start_app() {
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$install/OvataAgentConfigurator" >"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Ovata Device Agent' | head -n 1)
    xdotool windowfocus --sync "$window"
}
control() { mkdir -p "$state"; printf '%b' "$1" >"$state/control"; }
state=$install/OvataDeviceAgent.state
mkdir "$work/look"
/usr/bin/python3 "$here/atspi_listen.py" OvataAgentConfigurator "$work/look" Zq7X Xw3K 3KpL Vb6N N9Vb \
    >"$work/listen.log" 2>&1 &
listener=$!
pids+=("$listener")
sleep 1

start_app
for _ in $(seq 100); do [ -n "$(ls "$state/calls" 2>/dev/null)" ] && break; sleep 0.1; done
sleep 0.5
xdotool type --delay 40 Zq7Xw3Kp
xdotool key BackSpace
{ printf Lm4; head -c 1048576 /dev/zero | tr '\0' x | sed 's/xxxx/Vb6N/g'; } >"$work/pasted"
xclip -selection clipboard -loops 1 "$work/pasted" &
pids+=($!)
sleep 0.5
xdotool key ctrl+v
sleep 1
look token
xdotool key ctrl+a # a token short enough to save
xdotool type --delay 40 Zq7Xw3Kp
xdotool key Tab ctrl+a
xdotool type --delay 40 https://abc.example

# Saving, then a failure; "Try Again"; saving again, then success.
control 'configure sleep 1500\nconfigure stderr bad token\\n\nconfigure exit 3\n'
xdotool key Return
sleep 0.5
look saving
sleep 2
look failure
xdotool key Return
sleep 0.5
look form
rm "$state/control"
xdotool key Return
sleep 1.5
look success
xdotool key Return # Done
wait_bounded "$app_pid" 10 || true

# Enrolled now: checking, then the already-enrolled panel.
control 'has-config sleep 1500\n'
start_app
sleep 0.3
look checking
sleep 2
look enrolled
touch "$work/look/stop"
status=0
wait_bounded "$listener" 30 || status=$?
cat "$work/listen.log"
[ "$status" -eq 0 ]
