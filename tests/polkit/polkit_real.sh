#!/usr/bin/env bash
# The privileged path with the real /usr/bin/pkexec and a real polkit daemon,
# on the installed program and its polkit action. Everything lives in private
# PID and mount namespaces: its own system bus in /run/dbus, its own actions
# and rules, a listener on /dev/log, and three test users added to a private
# copy of /etc/passwd, so nothing is left on the machine. The administrators'
# example rule is used as shipped; a preloaded stand-in for logind puts the
# user "yes" in a local, active session. What the test
# users run is copied into the test's own world-readable folder first, so
# the checkout may lie anywhere.
#   polkit_real.sh <driver> <build directory> <stand-in agent> <e2e script> <logind stand-in>
set -euo pipefail
driver=$1 build=$2 agent=$3 e2e=$4 shim=$5

source "$(dirname "$0")/../support/common.sh"
[ "$(id -u)" -eq 0 ] || skip "starting a private polkit daemon needs root"
require_tools setpriv dbus-daemon dbus-send socat /usr/lib/polkit-1/polkitd /usr/bin/pkexec
[ -u /usr/bin/pkexec ] || skip "/usr/bin/pkexec is not setuid root"
enter_sandbox "$@"
work=$scratch
chmod 755 "$work"
pids=()
made_dev_log=false
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    umount /dev/log 2>/dev/null || true
    rm -f "${lock:-}" # what a helper killed here would leave in the machine's /run
    $made_dev_log && rm -f /dev/log
    return 0
}
trap cleanup EXIT


# Users nobody else has: polkit says yes to one and no to another; "away" is
# in the group but in no local, active session.
free_uid() {
    local uid
    for uid in $(seq "$1" 60999); do
        getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null || { echo "$uid"; return; }
    done
}
yes_uid=$(free_uid 60500)
no_uid=$(free_uid $((yes_uid + 1)))
away_uid=$(free_uid $((no_uid + 1)))
cp /etc/passwd "$work/passwd"
cp /etc/group "$work/group"
for entry in "ovata-polkit-yes:$yes_uid" "ovata-polkit-no:$no_uid" "ovata-polkit-away:$away_uid"; do
    name=${entry%%:*} uid=${entry#*:}
    echo "$name:x:$uid:$uid::/:/usr/sbin/nologin" >>"$work/passwd"
    echo "$name:x:$uid:" >>"$work/group"
done
# The group the administrators' example rule names; only "yes" is in it.
group_gid=$(free_uid $((away_uid + 1)))
echo "ovata-enrollers:x:$group_gid:ovata-polkit-yes,ovata-polkit-away" >>"$work/group"
chmod 644 "$work/passwd" "$work/group"
mount --bind "$work/passwd" /etc/passwd
mount --bind "$work/group" /etc/group

# The system's actions, in a private copy the install writes ours into.
mkdir -p "$work/actions" /usr/share/polkit-1/actions
cp -a /usr/share/polkit-1/actions/. "$work/actions/"
mount --bind "$work/actions" /usr/share/polkit-1/actions
mkdir -p /etc/polkit-1/rules.d /run/dbus
mount -t tmpfs -o mode=755 tmpfs /run/dbus
mount -t tmpfs -o mode=755 tmpfs /etc/polkit-1/rules.d

# The README's install command, into a private /usr/local: the machine's
# own shows through, and nothing is written to it.
mkdir "$work/local" "$work/local-work"
mount -t overlay overlay -o "lowerdir=/usr/local,upperdir=$work/local,workdir=$work/local-work" /usr/local
cmake --install "$build" --prefix /usr/local >/dev/null
install=/usr/local/lib/ovata
helper=$install/ovata-enroll-helper
cp "$agent" "$install/OvataDeviceAgent"
cp "$driver" "$install/polkitdriver"
driver=$install/polkitdriver
cp "$shim" "$work/sdloginshim.so"
chmod -R a+rX "$work"
state=$install/OvataDeviceAgent.state

# The administrators' example rule grants the group. The test's own rule
# refuses "no".
cp /usr/local/share/doc/ovata-agent-configurator/50-ovata-enroll.rules.example \
    /etc/polkit-1/rules.d/50-ovata-enroll.rules
cat >/etc/polkit-1/rules.d/00-ovata-test.rules <<RULES
polkit.addRule(function(action, subject) {
    if (action.id == "example.ovata.AgentConfigurator.enroll") {
        if (subject.user == "ovata-polkit-no") {
            return polkit.Result.NO;
        }
    }
});
RULES
chmod 644 /etc/polkit-1/rules.d/*.rules

# The system log, as pkexec writes it.
[ -e /dev/log ] || { : >/dev/log; made_dev_log=true; }
socat -u UNIX-RECV:"$work/log.socket",mode=666 STDOUT >"$work/syslog" 2>&1 &
pids+=($!)
poll 50 test -S "$work/log.socket" || true
mount --bind "$work/log.socket" /dev/log

pids+=("$(dbus-daemon --system --fork --print-pid)")
LD_PRELOAD=$work/sdloginshim.so OVATA_TEST_SESSION_UID=$yes_uid \
    /usr/lib/polkit-1/polkitd --no-debug >"$work/polkitd.log" 2>&1 &
pids+=($!)
polkit_up() {
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.PolicyKit1 2>/dev/null | grep -q 'boolean true'
}
poll 100 polkit_up || true

action=$(pkaction --verbose --action-id example.ovata.AgentConfigurator.enroll 2>&1 || true)
check "install: polkit knows the action, for the installed helper" \
    "$(sed -n 's/.*org.freedesktop.policykit.exec.path -> //p' <<<"$action")" "$helper"

as_user() {
    local uid=$1
    shift
    setpriv --reuid="$uid" --regid="$uid" --clear-groups env HOME=/nonexistent "$@"
}
calls() { ls "$state/calls" 2>/dev/null | wc -l; }

# A member of the group: the agent runs as root, with no password asked,
# and receives exactly what was sent.
token="a'b\"c\\d \$(id) \`id\` ; x  y & ü€ tok-7f3e9a"
url="https://polkit.ovata.example/p?a=1&b='2'"
upn="jörg.o'brien@corp.example"
configure() { # <uid> <token> <url> <upn>
    OVATA_TOKEN=$2 OVATA_URL=$3 OVATA_UPN=$4 \
        as_user "$1" timeout 60 "$driver" "$install/OvataAgentConfigurator" || true
}
result=$(configure "$yes_uid" "$token" "$url" "$upn")
record=$state/calls/$(ls "$state/calls" 2>/dev/null | tail -n 1 || true)
printf '%s\0' --configure --token "$token" --base-url "$url" --upn-override "$upn" >"$work/expected"
tail -n +2 "$record" 2>/dev/null | cmp -s - "$work/expected" && same=exactly || same=other
check "group member: saved, by the agent as euid 0, with the arguments sent" \
    "$result $(head -n 1 "$record" 2>/dev/null | cut -d' ' -f2) $same" "saved 0 exactly"

# The system log names the helper and holds no token.
poll 50 grep -aq 'Executing command' "$work/syslog" || true
executing=$(grep -ao '[^<]*Executing command[^<]*' "$work/syslog" || true)
echo "  system log: ${executing:0:300}"
case $executing in *"COMMAND=$helper"*) ok=yes ;; *) ok=no ;; esac
check "system log: pkexec logged running the helper" "$ok" yes
grep -aqF 'tok-7f3e9a' "$work/syslog" && ok=no || ok=yes
check "system log: no token in it" "$ok" yes

# Refused: said in plain words, and nothing runs.
calls_before=$(calls)
result=$(configure "$no_uid" token https://x.example "")
case $result in "Administrator approval was not given: "*) ok=yes ;; *) ok=no ;; esac
check "refused: administrator approval was not given ($result)" "$ok" yes
# Not granted: outside a local, active session; as another user than root,
# both by the rule and, where root's own grant allows it, by the helper.
good_line="'$install/OvataDeviceAgent' --configure --token 't' --base-url 'https://u' --upn-override ''"
result=$(configure "$away_uid" token https://x.example "")
[ "$result" != saved ] && ok=yes || ok=no
check "not granted outside a local, active session" "$ok" yes
status=0
printf '%s' "$good_line" | as_user "$yes_uid" timeout 30 /usr/bin/pkexec --user ovata-polkit-no "$helper" \
    >/dev/null 2>&1 || status=$?
check "not granted for another user than root (status $status)" "$([ "$status" -ne 0 ] && echo no)" no
status=0
printf '%s' "$good_line" | timeout 30 /usr/bin/pkexec --user ovata-polkit-no "$helper" \
    >/dev/null 2>"$work/refusal" || status=$?
check "the helper runs nothing as another user than root ($(cat "$work/refusal"))" "$status" 125
check "refused: the agent was not started" "$(calls)" "$calls_before"

# Granted, the helper runs nothing it was not made for (its other refusals
# are unit tests): an agent elsewhere, or a root-owned program beside it that
# no configurator drives. (A second instance beside its configurator is
# accepted: unit tests of the helper and of where the agent lies.)
mkdir -p "$work/elsewhere"
printf '#!/bin/sh\ntouch %s/ran\n' "$work" >"$work/elsewhere/OvataDeviceAgent"
cp "$work/elsewhere/OvataDeviceAgent" "$install/OvataDeviceAgentUninstall"
chmod 755 "$work/elsewhere" "$work/elsewhere/OvataDeviceAgent" "$install/OvataDeviceAgentUninstall"
calls_before=$(calls)
for program in "$work/elsewhere/OvataDeviceAgent" "$install/OvataDeviceAgentUninstall"; do
    status=0
    printf '%s' "'$program' --configure --token 't' --base-url 'https://u' --upn-override ''" |
        as_user "$yes_uid" timeout 30 /usr/bin/pkexec "$helper" >/dev/null 2>"$work/refusal" || status=$?
    ok=yes
    [ "$status" -eq 125 ] && [ "$(wc -l <"$work/refusal")" -eq 1 ] &&
        grep -q '^ovata-enroll-helper: refused: ' "$work/refusal" || ok=no
    [ ! -e "$work/ran" ] && [ "$(calls)" = "$calls_before" ] || ok=no
    check "helper refuses ${program##*/} ($(cat "$work/refusal"))" "$ok" yes
done
rm "$install/OvataDeviceAgentUninstall"

# Root starts clean, whatever the caller's process: umask, working folder,
# a file size limit of 0, a descriptor above a lowered descriptor limit,
# ignored and blocked signals (an ignored SIGCHLD included, which would have
# the kernel reap the agent unseen), a terminal's process group, priorities
# that would starve it. The helper and the agent take process 1's
# priorities, which differ from every caller's: a nice value the fork resets.
renice -n -5 -p 1 >/dev/null
chrt --other --reset-on-fork -p 0 1
mkdir -m 777 "$work/userdir"
printf '%s\n' '#!/usr/bin/python3' 'import os, signal, sys' \
    'signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGUSR1, signal.SIGALRM, signal.SIGTERM})' \
    'signal.signal(signal.SIGCHLD, signal.SIG_IGN)' \
    'os.execv(sys.argv[1], sys.argv[1:])' >"$work/blocking"
chmod 755 "$work/blocking"
while IFS='|' read -r what setup; do
    rm -rf "$state/config"
    status=0
    # A starved pkexec, idle beside busy processes, may take long to start.
    printf '%s' "$good_line" | as_user "$yes_uid" timeout 120 bash -c "$setup /usr/bin/pkexec --keep-cwd $helper" \
        >/dev/null 2>"$work/clean.log" || status=$?
    record=$(ls "$state/calls" 2>/dev/null | tail -n 1)
    started=$(head -n 1 "$state/calls/$record" | cut -d' ' -f3-)
    [ "$status" -eq 0 ] && [ -f "$state/config" ] && ok=yes || ok="no, status $status: $(cat "$work/clean.log")"
    check "clean root, $what: the agent completes" "$ok" yes
    check "clean root, $what: the agent starts clean" "$started" \
        "umask=0022 fds=0,1,2 fsize=unlimited cwd=/ sigblk=0000000000000000 sigign=0000000000000000 session=own priorities=as-process-1"
done <<SETUPS
umask 000|umask 000; exec
--keep-cwd from a user's folder|cd $work/userdir; exec
no file may grow|ulimit -S -f 0; exec
fd 100 under a limit of 64|exec 100</dev/null; ulimit -S -n 64; exec
ignored and blocked signals|trap '' TERM INT HUP QUIT PIPE; exec $work/blocking
a starved caller|echo 1000 >/proc/self/oom_score_adj; exec taskset -c 0 ionice -c 3 nice -n 19 chrt --idle 0
SETUPS

# One run of an agent at a time: a second enrollment while the first runs is
# refused and starts nothing. The first completes, and what its agent left
# running on purpose runs on; no lock is left.
lock=/run/ovata-enroll-helper-$(stat -c %d-%i "$install/OvataDeviceAgent").lock
printf '%s\n' 'configure fork-away 60000' 'configure wait-for go' >"$state/control"
printf '%s' "$good_line" | as_user "$yes_uid" timeout 60 /usr/bin/pkexec "$helper" >/dev/null 2>&1 &
first=$!
held() { [ "$(cat "$state/held" 2>/dev/null | wc -l)" = 2 ]; }
poll 300 held || true
calls_before=$(calls)
status=0
printf '%s' "$good_line" | as_user "$yes_uid" timeout 30 /usr/bin/pkexec "$helper" >/dev/null 2>"$work/refusal" || status=$?
check "two at once: the second is refused ($(cat "$work/refusal"))" "$status $(calls)" "125 $calls_before"
touch "$state/go"
status=0
wait_bounded "$first" 30 || status=$?
mapfile -t left < <(for pid in $(cat "$state/held"); do [ -e "/proc/$pid" ] && echo "$pid"; done)
check "two at once: the first completes; what its agent started runs on; no lock" \
    "$status ${#left[@]} $([ -e "$lock" ] && echo locked)" "0 2 "
kill "${left[@]}" 2>/dev/null || true
rm -f "$state/held" "$state/go"


# The caller is killed while the agent, ignoring SIGTERM, runs with a child
# in a session of its own and one forked twice: all of them and the helper
# end at the grace period's SIGKILL.
rm -rf "$state/config"
printf '%s\n' 'configure ignore 15' 'configure fork-away 60000' 'configure sleep 60000' >"$state/control"
(OVATA_TOKEN=t OVATA_URL=https://u OVATA_UPN= exec setpriv --reuid="$yes_uid" --regid="$yes_uid" --clear-groups \
    "$driver" "$install/OvataAgentConfigurator" >/dev/null 2>&1) &
caller=$!
pids+=("$caller")
running_agent() { grep -l -a -- --configure "$state"/calls/* 2>/dev/null | tail -n 1 | xargs -r head -q -n 1 | cut -d' ' -f1; }
poll 300 held || true
read -ra family <<<"$({ running_agent; cat "$state/held" /proc/"$caller"/task/*/children 2>/dev/null; } | tr '\n' ' ')"
kill -KILL "$caller"
started=$SECONDS
gone() {
    local pid
    for pid in "$@"; do [ ! -e "/proc/$pid" ] || grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null || return 1; done
}
poll 200 gone "${family[@]}" || true
check "caller killed: the agent, its children and the helper (${family[*]}) end at the SIGKILL; no lock" \
    "$(gone "${family[@]}" && echo ended) $((SECONDS - started >= 4)) $([ -e "$lock" ] && echo locked)" "ended 1 "
kill -KILL "${family[@]}" 2>/dev/null || true
check "caller killed: nothing was saved" "$([ -f "$state/config" ] && echo saved || echo none)" none
rm -f "$state/control"

# A caller that never closes the helper's standard input is not waited for.
mkfifo "$work/never"
chmod 666 "$work/never"
sleep 60 >"$work/never" &
holder=$!
pids+=("$holder")
started=$SECONDS
status=0
# pkexec serves no caller whose parent is process 1, as this script is here.
as_user "$yes_uid" timeout 30 bash -c '/usr/bin/pkexec "$0"; exit $?' "$helper" <"$work/never" \
    >/dev/null 2>"$work/refusal" || status=$?
waited=$((SECONDS - started))
kill "$holder"
[ "$status" -eq 125 ] && [ "$waited" -le 12 ] && ok=yes || ok="no, status $status after $waited s"
check "helper gives up on silent input within its bound ($(cat "$work/refusal"), $waited s)" "$ok" yes

# The same road through the window, as the allowed user: once to the end,
# once closed twice while the agent runs.
for close in "" 1; do
    rm -rf "$state"
    if OVATA_E2E_PKEXEC=real OVATA_E2E_UID=$yes_uid OVATA_E2E_INSTALLED=$install OVATA_E2E_CLOSE=$close \
        bash "$e2e" - - "$agent"; then
        echo "PASS: the window road through the real pkexec${close:+, closed twice}"
    else
        status=$?
        [ "$status" -eq 77 ] && skip "the window road needs Xvfb"
        echo "FAIL: the window road through the real pkexec${close:+, closed twice}" >&2
        failures=$((failures + 1))
    fi
done

[ "$failures" -eq 0 ] || { cat "$work/polkitd.log" >&2; exit 1; }
