#!/usr/bin/env bash
# The token field as a screen reader meets it: a real AT-SPI registry under
# Xvfb listens while the token is typed, partly deleted and pasted (1 MiB),
# and then asks the field for its text. No event or answer may hold a
# character of the token; the field is password text; the service URL
# field's events carry its text.
#   atspi_token.sh <application> <stand-in agent>
set -euo pipefail
app=$1 agent=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/common.sh"
require_tools Xvfb xdotool xclip dbus-daemon /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
enter_sandbox "$@"
work=$scratch
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT

install=$work/opt/ovata
mkdir -p "$install"
cp "$app" "$install/OvataAgentConfigurator"
cp "$agent" "$install/OvataDeviceAgent"

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

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$install/OvataAgentConfigurator" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Ovata Device Agent' | head -n 1)
for _ in $(seq 100); do [ -n "$(ls "$install/OvataDeviceAgent.state/calls" 2>/dev/null)" ] && break; sleep 0.1; done
sleep 0.5

/usr/bin/python3 "$here/atspi_listen.py" OvataAgentConfigurator "$work/stop" Zq7X Xw3K 3KpL Vb6N N9Vb \
    >"$work/listen.log" 2>&1 &
listener=$!
pids+=("$listener")
sleep 1
xdotool windowfocus --sync "$window"
xdotool type --delay 40 Zq7Xw3Kp
xdotool key BackSpace
{ printf Lm4; head -c 1048576 /dev/zero | tr '\0' x | sed 's/xxxx/Vb6N/g'; } >"$work/pasted"
xclip -selection clipboard -loops 1 "$work/pasted" &
pids+=($!)
sleep 0.5
xdotool key ctrl+v
sleep 1
xdotool key Tab ctrl+a
xdotool type --delay 40 https://abc.example
sleep 1
touch "$work/stop"
status=0
wait_bounded "$listener" 30 || status=$?
cat "$work/listen.log"
[ "$status" -eq 0 ]
