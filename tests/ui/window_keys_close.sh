#!/usr/bin/env bash
# The window under a real window manager (openbox on Xvfb), as a KDE or
# GNOME user meets it: Return presses the focused button; Return in a field
# saves, and a second Return while saving does nothing; closing while saving
# keeps the window until the run has succeeded, and a second close ends the
# application and the run; a window destroyed by another client ends the
# application; the window's WM_CLASS matches the desktop entry, and the
# window manager offers no maximize. pkexec is a pass-through in a private
# mount namespace, as in the end-to-end test.
#   window_keys_close.sh <application> <enroll helper> <stand-in agent> <desktop entry template>
set -euo pipefail
app=$1 helper=$2 agent=$3 entry=$4
source "$(dirname "$0")/../support/common.sh"
require_tools Xvfb xdotool xprop openbox
enter_sandbox "$@"
work=$scratch
pids=()
trap end_started EXIT

install=$work/opt/ovata
install_beside_agent "$install" "$app" "$helper" "$agent"
state=$install/OvataDeviceAgent.state
pass_through_pkexec "$work"

start_xvfb "$work"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work DBUS_SESSION_BUS_ADDRESS=disabled:
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

configure_calls() { grep -l -a -- --configure "$state"/calls/* 2>/dev/null | wc -l; }
# Starts the program with a control file for the agent and waits for its
# window and the probe's call; sets $app_pid and $window.
start() {
    rm -rf "$state"
    mkdir -p "$state"
    printf '%b' "$1" >"$state/control"
    "$install/OvataAgentConfigurator" >"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Ovata Device Agent' | head -n 1)
    for _ in $(seq 100); do [ -n "$(ls "$state/calls" 2>/dev/null)" ] && break; sleep 0.1; done
    sleep 0.5
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}
# Sets $ended to the program's exit status, at most $1 seconds on, or to
# "running" if it goes on (not in a subshell: only this shell can wait).
ended() {
    local status=0
    wait_bounded "$app_pid" "$1" || status=$?
    [ "$status" -eq 124 ] && ended=running || ended=$status
}
until_calls() { # <configure calls>
    for _ in $(seq 100); do [ "$(configure_calls)" -ge "$1" ] && break; sleep 0.1; done
}

# The desktop integration of a running window.
start ''
class=$(xprop -id "$window" WM_CLASS | sed 's/.* = //')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
check "the window's WM_CLASS class is the entry's StartupWMClass" "${class##*, }" "\"$wanted\""
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
case $actions in *MAXIMIZE*) maximize=offered ;; *CLOSE*) maximize=none ;; *) maximize="? $actions" ;; esac
check "the window manager offers no maximize" "$maximize" none

# Tab to Cancel and Return: the program ends, nothing is configured.
xdotool key Tab Tab Tab Return
ended 10
check "Return on a focused Cancel quits" "$ended" 0
check "Return on a focused Cancel configures nothing" "$(configure_calls)" 0

# Return in a field saves; a second Return while saving does nothing;
# Shift+Tab to Quit on the failure panel and Return quits.
start 'configure sleep 1500\nconfigure stderr refused\\n\nconfigure exit 3\n'
xdotool type --delay 20 keys-token
xdotool key Tab Return Return # in the service URL field
sleep 3
check "Return in the URL field saves, once" "$(configure_calls)" 1
xdotool key Return # Try Again, focused
sleep 0.5
xdotool key Tab Tab Return # in the UPN override field
until_calls 2
sleep 2
check "Return in the UPN override field saves" "$(configure_calls)" 2
xdotool key shift+Tab Return # Quit, on the failure panel
ended 10
check "Return on a focused Quit quits" "$ended" 0
check "Quit on the failure panel configures nothing more" "$(configure_calls)" 2

# Closed while saving: the window stays, and closes itself once the run has
# succeeded.
start 'configure sleep 2500\n'
xdotool type --delay 20 close-token
xdotool key Return
until_calls 1
xdotool key alt+F4
sleep 0.5
check "closed while saving, the window stays" "$(xdotool search --onlyvisible --name 'Ovata Device Agent' | head -n 1)" "$window"
ended 10
check "closed while saving, the program ends once saved" "$ended" 0
check "closed while saving, the configuration was saved" "$([ -f "$state/config" ] && echo saved)" saved

# Closed twice while saving: the program ends at once, and the run with it.
start 'configure sleep 10000\n'
xdotool type --delay 20 close-token
xdotool key Return
until_calls 1
sleep 0.3
agent_pid=$(grep -l -a -- --configure "$state"/calls/* | xargs head -q -n 1 | cut -d' ' -f1)
xdotool key alt+F4
sleep 0.5
xdotool key alt+F4
ended 3
check "closed twice while saving, the program ends at once" "$ended" 0
for _ in $(seq 30); do kill -0 "$agent_pid" 2>/dev/null || break; sleep 0.1; done
check "closed twice while saving, the agent's run is ended" \
    "$(kill -0 "$agent_pid" 2>/dev/null && echo running || echo ended)" ended
check "closed twice while saving, nothing was saved" "$([ -f "$state/config" ] && echo saved || echo none)" none

# Destroyed by another client while checking: the program ends.
start 'has-config sleep 60000\n'
xdotool windowclose "$window" 2>/dev/null || true
ended 10
check "a window destroyed from outside ends the program" "${ended/[0-9]*/ended}" ended
probe_pid=$(head -q -n 1 "$state"/calls/* | cut -d' ' -f1)
check "and its probe" "$(kill -0 "$probe_pid" 2>/dev/null && echo running || echo ended)" ended

[ "$failures" -eq 0 ]
