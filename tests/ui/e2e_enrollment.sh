#!/usr/bin/env bash
# The real program, end to end: copied beside the stand-in agent like an
# installed package, run under Xvfb, typed into with xdotool and submitted
# with Return. /usr/bin/pkexec is replaced by a pass-through inside a private
# mount namespace only, so the shipped program and host run unchanged.
#   e2e_enrollment.sh <application> <enroll helper> <stand-in agent>
# Set by the other tests that walk this road:
#   OVATA_E2E_INSTALLED=<dir>  run the application installed there, in place
#   OVATA_E2E_PKEXEC=real      leave /usr/bin/pkexec alone (a polkit daemon runs)
#   OVATA_E2E_UID=<uid>        run the application as that user
#   OVATA_E2E_WRAP="<command>" start the application under that command (strace)
#   OVATA_E2E_UPGRADE=1        replace the running program by rename, as a
#                              package upgrade does, before enrolling
#   OVATA_E2E_FOREIGN=1        install into a folder whose name is not UTF-8,
#                              beside a decoy folder named as a lossy decoding
#                              would; nothing may run any agent
#   OVATA_E2E_CLOSE=1          close the window twice, through a window
#                              manager, while the agent runs: the program and
#                              the agent end, and nothing is saved
set -euo pipefail
app=$1 helper=$2 agent=$3
source "$(dirname "$0")/../support/common.sh"
require_tools Xvfb xdotool
enter_sandbox "$@"
work=$scratch
# The application may run as another user, who must reach it.
chmod 755 "$work"
pids=()
trap end_started EXIT

if [ -n "${OVATA_E2E_INSTALLED:-}" ]; then
    install=$OVATA_E2E_INSTALLED
else
    install=$work/opt/ovata
    if [ -n "${OVATA_E2E_FOREIGN:-}" ]; then
        install=$work/opt/$'\xff'
        decoy=$work/opt/$'\xef\xbf\xbd'
        mkdir -p "$decoy"
        cp "$agent" "$decoy/OvataDeviceAgent"
    fi
    install_beside_agent "$install" "$app" "$helper" "$agent"
fi
cp "$agent" "$install/OvataDeviceAgent"
state=$install/OvataDeviceAgent.state
[ "${OVATA_E2E_PKEXEC:-}" = real ] || pass_through_pkexec "$work"
# The probe answers once the test has seen the window checking, so that it
# sees the form take its place and types into nothing else.
mkdir -p "$state"
echo "has-config wait-for shown" >"$state/control"

start_xvfb "$work"
if [ -n "${OVATA_E2E_CLOSE:-}" ]; then
    require_tools openbox
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    # Running once it names its check window on the root window.
    poll 100 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" || true
fi

launch=("$install/OvataAgentConfigurator")
if [ -n "${OVATA_E2E_WRAP:-}" ]; then
    read -ra wrap <<<"$OVATA_E2E_WRAP"
    launch=("${wrap[@]}" "${launch[@]}")
fi
if [ -n "${OVATA_E2E_UID:-}" ]; then
    launch=(setpriv --reuid="$OVATA_E2E_UID" --regid="$OVATA_E2E_UID" --clear-groups "${launch[@]}")
fi
# No session bus, so nothing is autolaunched behind the test's back, and a
# runtime folder of the test's own, so Qt makes none in /tmp.
mkdir -m 700 "$work/runtime"
[ -z "${OVATA_E2E_UID:-}" ] || chown "$OVATA_E2E_UID:$OVATA_E2E_UID" "$work/runtime"
DBUS_SESSION_BUS_ADDRESS=disabled: XDG_RUNTIME_DIR=$work/runtime "${launch[@]}" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

if [ -n "${OVATA_E2E_UID:-}" ]; then
    # Not dumpable: the kernel hands its /proc files to root, so the user's
    # other processes cannot read the token from its memory. setpriv, as it
    # drops root, is not dumpable either, so the program must run first.
    program=$(readlink -f "${launch[-1]}")
    private() { [ "$(readlink "/proc/$app_pid/exe")" = "$program" ] && [ "$(stat -c %u "/proc/$app_pid/mem")" = 0 ]; }
    poll 300 private || { echo "the program is dumpable" >&2; exit 1; }
fi
title='Ovata Device Agent — Configuration'
# A window manager's frame may match too; the first match is the window.
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1 || true)
[ "$(xdotool getwindowname "$window")" = "$title" ] || { echo "wrong title" >&2; exit 1; }
# The form is of another height than the checking indicator.
height() { xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p'; }
if [ -z "${OVATA_E2E_FOREIGN:-}" ]; then
    checking=$(height)
    touch "$state/shown"
    poll 300 eval '[ "$(height)" != "$checking" ]' || { echo "the form never took the checking's place" >&2; exit 1; }
fi
if [ -n "${OVATA_E2E_UPGRADE:-}" ]; then
    cp "$install/OvataAgentConfigurator" "$install/.OvataAgentConfigurator.new"
    mv "$install/.OvataAgentConfigurator.new" "$install/OvataAgentConfigurator"
    case $(readlink "/proc/$app_pid/exe") in *" (deleted)") ;; *) echo "not replaced" >&2; exit 1 ;; esac
fi
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

token="  a'b\"c\\d \$(id) \`id\` {x}  "
xdotool type --delay 15 "$token"
xdotool key Tab ctrl+a
xdotool type --delay 15 " https://e2e.ovata.example "
xdotool key Tab
xdotool type --delay 15 " user@corp.example"
[ -z "${OVATA_E2E_CLOSE:-}" ] || { mkdir -p "$state" && echo "configure sleep 60000" >"$state/control"; }
typed=$(height)
xdotool key Return

if [ -n "${OVATA_E2E_CLOSE:-}" ]; then
    started() { agent_pid=$(grep -l -a -- --configure "$state"/calls/* 2>/dev/null | xargs -r head -q -n 1 | cut -d' ' -f1) && [ -n "$agent_pid" ]; }
    poll 300 started || { echo "closed twice: no agent started" >&2; cat "$work/app.log"; exit 1; }
    xdotool key alt+F4 alt+F4
    status=0
    wait_bounded "$app_pid" 10 || status=$?
    [ "$status" -eq 0 ] || { echo "closed twice: exit status $status" >&2; exit 1; }
    poll 200 eval '[ ! -e "/proc/$agent_pid" ]' || { echo "closed twice: the agent $agent_pid runs on" >&2; exit 1; }
    [ ! -f "$state/config" ] || { echo "closed twice: the agent saved" >&2; exit 1; }
    echo "PASS: closed twice, the program and its agent ($agent_pid) ended, nothing saved"
    exit 0
fi

if [ -n "${OVATA_E2E_FOREIGN:-}" ]; then
    # Refused before the prompt: the failure panel takes the form's place.
    poll 300 eval '[ "$(height)" != "$typed" ]' && kill -0 "$app_pid" || { echo "no refusal shown" >&2; exit 1; }
    ran=$(ls "$decoy/OvataDeviceAgent.state/calls" "$state/calls" 2>/dev/null || true)
    [ -z "$ran" ] || { echo "an agent ran: $ran" >&2; exit 1; }
    echo "PASS: from a folder not named in UTF-8 no agent ran, the decoy included"
    exit 0
fi
poll 200 test -f "$state/config" || { echo "the agent was never configured" >&2; cat "$work/app.log"; exit 1; }

# Exactly the trimmed values arrived, as single arguments.
last=$(ls "$state/calls" | tail -n 1)
printf '%s\0' --configure --token "a'b\"c\\d \$(id) \`id\` {x}" \
    --base-url https://e2e.ovata.example --upn-override user@corp.example >"$work/expected"
tail -n +2 "$state/calls/$last" | cmp - "$work/expected" || { echo "arguments differ" >&2; exit 1; }

# Return on the success panel presses "Done", which ends the program with 0;
# a Return that comes just as the panel appears is not taken for it, so
# Return is pressed until the program ends. xdotool may lose its display as
# the window goes; the program's status is what counts.
ended() { ! kill -0 "$app_pid" 2>/dev/null || { xdotool key Return 2>/dev/null; false; }; }
poll 100 ended || true
status=0
wait_bounded "$app_pid" 10 || status=$?
[ "$status" -eq 0 ] || { echo "exit status $status" >&2; cat "$work/app.log"; exit 1; }
echo "PASS: enrolled through the window; Done ended the program with status 0"
