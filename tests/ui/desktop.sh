#!/usr/bin/env bash
# The window on one desktop, as keyboard and screen-reader users meet it:
# openbox on Xvfb, the AT-SPI registry, Orca with its speech captured, and
# desktop_listen.py checking what assistive technology is told. Access keys
# save, Alt+letter never types into the token, AltGr still does; Return
# presses the focused button, once however long it is held; closing while
# saving keeps the window (once per run, a failed run included) and Orca
# speaks why; a second close ends the application and the run; a window
# destroyed by another client ends it; the window's WM_CLASS matches the
# desktop entry, and no maximize is offered; under every look a Linux desktop
# gives a Qt application the default button, the focus and a placeholder
# can be told apart on screen, and Escape on the form quits. In each language
# at 24 pt the window has the size it asks for. pkexec is a pass-through in a
# private mount namespace, as in the end-to-end test.
#   desktop.sh <application> <enroll helper> <stand-in agent> <desktop entry template> <language>...
set -euo pipefail
app=$1 helper=$2 agent=$3 entry=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/common.sh"
require_tools Xvfb xdotool xprop xwininfo xev openbox setxkbmap dbus-daemon orca import \
    /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
enter_sandbox "$@"
work=$scratch
pids=()
trap end_started EXIT
install=$work/opt/ovata
install_beside_agent "$install" "$app" "$helper" "$agent"
state=$install/OvataDeviceAgent.state
pass_through_pkexec "$work"

# What each part of the desktop said, for a failure's report.
report() {
    (cd "$work" && tail -n 8 openbox.log orca.out app.log listen.log 2>/dev/null | cut -c1-200)
    echo "--- spoken ($(wc -l <"$said") lines, from line $mark)"
    grep -a -E "^[0-9:.]+ - |SPEECH OUTPUT" "$said" 2>/dev/null | tail -n 15 | cut -c1-160
    grep -a -E "TIMEOUT|Cleaning up" "$said" 2>/dev/null | cut -c1-160
    ps -eo pid,stat,args | cut -c1-120
}
# Polls for an event, at most 60 s (Orca under load can lag that long). What
# follows a miss would only fail with it, so a miss ends the test.
wait_for() { # <what> <command…>
    poll 600 "${@:2}" && return 0
    local what=$1
    check "$what" "not within 60 s" "seen"
    report >&2
    exit 1
}
start_xvfb "$work"
mkdir -m 700 "$work/runtime" "$work/look"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d ' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
openbox >"$work/openbox.log" 2>&1 &
openbox=$!
pids+=("$openbox")
wait_for "openbox manages the screen" eval 'kill -0 $openbox && xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

# Starts Orca, or replaces it. What it says is in its log (with no sound
# card, the log is all that is said), a new one each time, opened
# line-buffered so that nothing said is lost.
orcas=0
start_orca() {
    said=$work/orca$((orcas += 1)).log mark=1
    /usr/bin/python3 -c '
import builtins, runpy, sys
log, real = sys.argv[1], builtins.open
builtins.open = lambda f, m="r", *a, **k: real(f, m, 1) if f == log else real(f, m, *a, **k)
sys.argv = ["orca", "--replace", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")' "$said" >>"$work/orca.out" 2>&1 &
    pids+=($!)
}
# Read as text whatever bytes Orca logs, which grep might take as binary.
heard() { tail -n +"$mark" "$said" 2>/dev/null | grep -a "SPEECH OUTPUT: '" | grep -q -a -F "$1"; }
start_orca
wait_for "Orca speaks" heard ""

/usr/bin/python3 "$here/desktop_listen.py" OvataAgentConfigurator "$work/look" Zq7X Xw3K 3KpL \
    >"$work/listen.log" 2>&1 &
listener=$!
pids+=("$listener")
wait_for "the listener listens" test -e "$work/look/ready"
# Lets the listener look at the window; it removes the file once it has.
look() { touch "$work/look/$1"; wait_for "the listener looks at $1" eval "! test -e $work/look/$1"; }

configure_calls() { grep -l -a -- --configure "$state"/calls/* 2>/dev/null | wc -l; }
calls_at_least() { [ "$(configure_calls)" -ge "$1" ]; }
# A call told to "wait-for go" runs until release: as long as the test looks.
control() { mkdir -p "$state"; rm -f "$state/go"; printf '%b' "$1" >"$state/control"; }
release() { touch "$state/go"; }
# Under ASan, allocations made in Qt's frames (built without frame pointers)
# get stacks deep enough for LeakSanitizer's suppressions; slow unwinding
# costs per frame, so a few frames.
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0:malloc_context_size=10
# Starts the program and waits until Orca has spoken $1, the first thing the
# window says; sets $app_pid and $window.
start() { # <first words> [environment…]
    mark=$(($(wc -l <"$said") + 1))
    env "${@:2}" "$install/OvataAgentConfigurator" >>"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    # Once openbox manages it, so that its key bindings (Alt+F4) apply; the
    # window is looked up each time, as a window seen at once may be the
    # one Qt makes anew as it is shown.
    wait_for "openbox manages the window" managed
    xdotool windowactivate --sync "$window" || { check "the window is activated" no yes; report >&2; exit 1; }
    # Under load Orca can be told nothing of a new window: Qt's bridge may
    # tell of its activation before it is up, or miss the events Orca listens
    # for. So, as a user would, switch away and back if the first words are
    # late, and then restart Orca, whose listeners then register anew.
    local nudge
    for nudge in switch restart; do
        poll 150 heard "$1" && return 0
        [ "$nudge" = switch ] || { start_orca; wait_for "Orca speaks again" heard ""; }
        xdotool windowminimize --sync "$window" windowactivate --sync "$window" || true
    done
    wait_for "Orca says '$1'" heard "$1"
}
managed() {
    window=$(xdotool search --onlyvisible --name 'Ovata Device Agent' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && xprop -id "$window" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q CLOSE
}
# Sets $ended to the program's exit status within $1 seconds, or "running".
ended() {
    local status=0
    wait_bounded "$app_pid" "$1" || status=$?
    [ "$status" -eq 124 ] && ended=running || ended=$status
}
last_call() { tail -n +2 "$state/calls/$(ls "$state/calls" | tail -n 1)" | tr '\0' ' '; }
alive() { kill -0 "$1" 2>/dev/null && echo running || echo ended; }
ends() { ended "$1"; check "$2" "$ended" 0; } # <seconds> <what>
# Closed while saving, the window stays and Orca says why.
close_saving() { mark=$(($(wc -l <"$said") + 1)); xdotool key alt+F4; wait_for "Orca speaks the note$1" heard "The enrollment is still running."; }

start "Enrollment token"
class=$(xprop -id "$window" WM_CLASS | sed 's/.* = //')
check "the window's WM_CLASS class is the entry's StartupWMClass" "${class##*, }" "\"$(sed -n 's/^StartupWMClass=//p' "$entry")\""
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
case $actions in *MAXIMIZE*) maximize=offered ;; *CLOSE*) maximize=none ;; *) maximize="? $actions" ;; esac
check "the window manager offers no maximize" "$maximize" none

# Alt+E types nothing into the token; AltGr+Q types "@" on a German layout;
# Alt+S, the save button's access key, saves.
control 'configure wait-for go\nconfigure stderr bad token\\n\nconfigure exit 3\n'
xdotool type --delay 40 Zq7X
xdotool key alt+e
xdotool type --delay 40 w3Kp
wait_for "Orca says ● for a character" heard "●"
xdotool key Tab ctrl+a
xdotool type --delay 20 https://abc.example
setxkbmap de
mark=$(($(wc -l <"$said") + 1))
xdotool key Tab a ISO_Level3_Shift+q b
setxkbmap us
# Saved once Orca has caught up with the typing, whose echo could
# otherwise interleave with the panel's announcement.
wait_for "Orca echoes the last key" heard "'b '"
xdotool key alt+s
# Spoken as the focus moves; where Orca, busy, took the move in silently,
# its where-am-I key, a user's way to ask, says it.
poll 150 heard "Saving…" || xdotool key KP_Enter
wait_for "Orca says what is under way" heard "Saving…"
look saving
check "the access keys save what was typed" "$(last_call)" \
    "--configure --token Zq7Xw3Kp --base-url https://abc.example --upn-override a@b "

close_saving ""
release
wait_for "the failure is spoken" heard "Configuration failed"
look failure
check "closed while saving a run that fails, the window stays" "$(alive "$app_pid")" running

# Return held on "Try Again" until the X server has sent three repeats: one
# press, the form comes back and nothing is saved again.
control 'configure sleep 20000\n'
stdbuf -oL xev -id "$window" -event keyboard >"$work/xev.log" 2>&1 &
pids+=($!)
xdotool keydown Return
repeats() { [ "$(grep -c '^KeyPress' "$work/xev.log")" -ge 4 ]; }
wait_for "three repeats of a held Return" repeats
xdotool keyup Return
look form
check "a held Return presses one button once" "$(configure_calls)" 1

# The second run: one close keeps the window again, a second one ends the
# application at once, and the run with it.
xdotool key Return
wait_for "the second run starts" calls_at_least 2
agent_pid=$(grep -l -a -- --configure "$state"/calls/* | xargs head -q -n 1 | cut -d' ' -f1 | tail -n 1)
close_saving " again"
check "after a failed run, one close keeps the window again" "$(alive "$app_pid")" running
xdotool key alt+F4
ends 3 "closed twice while saving, the program ends at once"
wait_for "the agent's run ends with the program" eval "[ \"\$(alive $agent_pid)\" = ended ]"
check "closed twice while saving, nothing was saved" "$([ -f "$state/config" ] && echo saved || echo none)" none

# Closed while saving a run that succeeds: the window closes itself.
control 'configure wait-for go\n'
start "Enrollment token"
xdotool type --delay 20 close-token
xdotool key Return
wait_for "the run starts" calls_at_least 3
close_saving " once more"
release
ends 10 "closed while saving, the program ends once saved"
check "closed while saving, the configuration was saved" "$([ -f "$state/config" ] && echo saved)" saved

# Enrolled: checking, then the panel, named without "dialog"; Shift+Tab to
# Quit and Return quits without configuring.
control 'has-config wait-for go\n'
start "Checking current configuration"
look checking
release
wait_for "the enrolled panel is spoken" heard "This computer is already enrolled."
check "the panel is not called a dialog" "$(tail -n +"$mark" "$said" | grep -a -c "SPEECH OUTPUT: .*dialog")" 0
look enrolled
xdotool key shift+Tab Return
ends 10 "Return on a focused Quit quits"
check "Quit configures nothing" "$(configure_calls)" 3

# Destroyed by another client while checking: the program ends, the probe too.
control 'has-config sleep 60000\n'
start "Checking current configuration"
xdotool windowclose "$window" 2>/dev/null || true
ended 10
check "a window destroyed from outside ends the program" "${ended/[0-9]*/ended}" ended
probe_pid=$(head -q -n 1 "$(ls -t "$state"/calls/* | head -n 1)" | cut -d' ' -f1)
check "and its probe" "$(alive "$probe_pid")" ended

# Each look: the listener compares crops of the screen (desktop_listen.py).
# qt6ct wraps Fusion in a proxy style; the high-contrast palette is one a
# user picks there, its placeholder colour that of text.
rm -f "$state/control" "$state/config"
mkdir -p "$HOME/.config/qt6ct" "$HOME/contrast/qt6ct"
printf '[Appearance]\nstyle=Fusion\n' >"$HOME/.config/qt6ct/qt6ct.conf"
printf '[Appearance]\nstyle=Fusion\ncustom_palette=true\ncolor_scheme_path=%s\n' \
    "$HOME/contrast/qt6ct/contrast.conf" >"$HOME/contrast/qt6ct/qt6ct.conf"
# WindowText, Button, Light, Midlight, Dark, Mid, Text, BrightText, ButtonText,
# Base, Window, Shadow, Highlight, HighlightedText, Link, LinkVisited,
# AlternateBase, NoRole, ToolTipBase, ToolTipText, PlaceholderText.
contrast="#ffffffff, #ff000000, #ffffffff, #ffffffff, #ffffffff, #ffffffff, #ffffffff, #ffffffff, #ffffffff, #ff000000, #ff000000, #ffffffff, #ffffff00, #ff000000, #ff00ffff, #ffff00ff, #ff000000, #ff000000, #ff000000, #ffffffff, #ffffffff"
printf '[ColorScheme]\nactive_colors=%s\ninactive_colors=%s\ndisabled_colors=%s\n' \
    "$contrast" "$contrast" "$contrast" >"$HOME/contrast/qt6ct/contrast.conf"
while read -r name settings <&3; do
    # shellcheck disable=SC2086 # the settings are words
    start "Enrollment token" $settings
    xdotool type --delay 20 Zq7X
    look "shot:$name:typed"
    xdotool key shift+Tab
    look "shot:$name:button"
    xdotool key Tab Tab Tab
    look "shot:$name:field"
    xdotool key Escape
    ends 10 "under $name, Escape on the form quits"
done 3<<EOF
fusion
qt6ct QT_QPA_PLATFORMTHEME=qt6ct
contrast QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$HOME/contrast
gtk3 QT_QPA_PLATFORMTHEME=gtk3
adwaita QT_STYLE_OVERRIDE=Adwaita
adwaita-dark QT_STYLE_OVERRIDE=Adwaita-Dark
windows QT_STYLE_OVERRIDE=Windows
EOF

# Each language at 24 pt, set through the platform's theme: the window
# gets the size it asks for, which the window's own test shows holds every
# text whole (German needs it wider), and lies on the screen.
printf '[Appearance]\nstyle=Fusion\n[Fonts]\ngeneral="DejaVu Sans,24,-1,5,50,0,0,0,0,0"\n' >"$HOME/.config/qt6ct/qt6ct.conf"
size() { xwininfo "$@" | awk '/Absolute upper-left/ {p = p $4 " "} /Width|Height/ {s = s $2 " "} END {print p s}'; }
read -r _ _ screen_width screen_height < <(size -root)
for language in en "${@:5}"; do
    start "" LANGUAGE="$language" QT_QPA_PLATFORMTHEME=qt6ct
    read -r x y width height < <(size -id "$window")
    check "in $language at 24 pt the window has the size it asks for, on the screen" \
        "$width by $height, $((x + width <= screen_width && y + height <= screen_height))" \
        "$(xprop -id "$window" WM_NORMAL_HINTS | sed -n 's/.*minimum size: //p'), 1"
    [ "$language" != de ] || check "at 24 pt in German the window is wider" "$((width > 520))" 1
    kill "$app_pid" && ended 10
done

touch "$work/look/stop"
status=0
wait_bounded "$listener" 30 || status=$?
cat "$work/listen.log"
[ "$failures" -eq 0 ] || report >&2
check "what the listener heard" "$status" 0
[ "$failures" -eq 0 ]
