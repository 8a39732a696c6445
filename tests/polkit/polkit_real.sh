#!/usr/bin/env bash
# The privileged path with the real /usr/bin/pkexec and a real polkit daemon,
# on the installed program and its polkit action. Everything lives in private
# PID and mount namespaces: its own system bus in /run/dbus, its own actions
# and rules, a listener on /dev/log, and two test users added to a private
# copy of /etc/passwd, so nothing is left on the machine. What the test
# users run is copied into the test's own world-readable folder first, so
# the checkout may lie anywhere.
#   polkit_real.sh <driver> <build directory> <stand-in agent> <e2e script>
set -euo pipefail
driver=$1 build=$2 agent=$3 e2e=$4

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
    $made_dev_log && rm -f /dev/log
    return 0
}
trap cleanup EXIT

failures=0
check() {
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1"$'\n'"  expected: $3"$'\n'"  actual:   $2" >&2
        failures=$((failures + 1))
    fi
}

# The installed program, its helper and its action, as a package lays them out.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
install=$prefix/lib/ovata
helper=$install/ovata-enroll-helper
policy=$prefix/share/polkit-1/actions/example.ovata.AgentConfigurator.policy
check "the action names the installed helper" \
    "$(sed -n 's|.*exec.path">\(.*\)</annotate>|\1|p' "$policy")" "$helper"
cp "$agent" "$install/OvataDeviceAgent"
cp "$driver" "$work/polkitdriver"
driver=$work/polkitdriver
chmod -R a+rX "$work"
state=$install/OvataDeviceAgent.state

# Two users nobody else has: polkit says yes to one and no to the other.
free_uid() {
    local uid
    for uid in $(seq "$1" 60999); do
        getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null || { echo "$uid"; return; }
    done
}
yes_uid=$(free_uid 60500)
no_uid=$(free_uid $((yes_uid + 1)))
cp /etc/passwd "$work/passwd"
cp /etc/group "$work/group"
for entry in "ovata-polkit-yes:$yes_uid" "ovata-polkit-no:$no_uid"; do
    name=${entry%%:*} uid=${entry#*:}
    echo "$name:x:$uid:$uid::/nonexistent:/usr/sbin/nologin" >>"$work/passwd"
    echo "$name:x:$uid:" >>"$work/group"
done
chmod 644 "$work/passwd" "$work/group"
mount --bind "$work/passwd" /etc/passwd
mount --bind "$work/group" /etc/group

# The system's actions plus ours; rules that grant ours alone. While the file
# "slow" exists the grant takes three seconds, as a prompt would.
mkdir -p "$work/actions" /usr/share/polkit-1/actions
cp -a /usr/share/polkit-1/actions/. "$work/actions/"
cp "$policy" "$work/actions/"
mount --bind "$work/actions" /usr/share/polkit-1/actions
mkdir -p /etc/polkit-1/rules.d /run/dbus
mount -t tmpfs -o mode=755 tmpfs /run/dbus
mount -t tmpfs -o mode=755 tmpfs /etc/polkit-1/rules.d
cat >/etc/polkit-1/rules.d/00-ovata-test.rules <<RULES
polkit.addRule(function(action, subject) {
    if (action.id == "example.ovata.AgentConfigurator.enroll") {
        if (subject.user == "ovata-polkit-yes") {
            try { polkit.spawn(["/bin/sh", "-c", "[ ! -e $work/slow ] || sleep 3"]); } catch (e) {}
            return polkit.Result.YES;
        }
        if (subject.user == "ovata-polkit-no") {
            return polkit.Result.NO;
        }
    }
});
RULES
chmod 644 /etc/polkit-1/rules.d/00-ovata-test.rules

# The system log, as pkexec writes it.
[ -e /dev/log ] || { : >/dev/log; made_dev_log=true; }
socat -u UNIX-RECV:"$work/log.socket",mode=666 STDOUT >"$work/syslog" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$work/log.socket" ] && break; sleep 0.1; done
mount --bind "$work/log.socket" /dev/log

pids+=("$(dbus-daemon --system --fork --print-pid)")
/usr/lib/polkit-1/polkitd --no-debug >"$work/polkitd.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.PolicyKit1 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.1
done

as_user() {
    local uid=$1
    shift
    setpriv --reuid="$uid" --regid="$uid" --clear-groups env HOME=/nonexistent "$@"
}
calls() { ls "$state/calls" 2>/dev/null | wc -l; }

# Allowed: the agent runs as root and receives exactly what was sent.
token="a'b\"c\\d \$(id) \`id\` ; x  y & ü€ tok-7f3e9a"
url="https://polkit.ovata.example/p?a=1&b='2'"
upn="jörg.o'brien@corp.example"
configure() { # <uid> <token> <url> <upn>
    OVATA_TOKEN=$2 OVATA_URL=$3 OVATA_UPN=$4 \
        as_user "$1" "$driver" "$install/OvataAgentConfigurator" || true
}
result=$(configure "$yes_uid" "$token" "$url" "$upn")
check "allowed: the configure command succeeds" "$result" saved
record=$(ls "$state/calls" 2>/dev/null | tail -n 1)
if [ -n "$record" ]; then
    check "allowed: the agent ran with effective uid 0" \
        "$(head -n 1 "$state/calls/$record" | cut -d' ' -f2)" 0
    printf '%s\0' --configure --token "$token" --base-url "$url" --upn-override "$upn" \
        >"$work/expected"
    tail -n +2 "$state/calls/$record" | cmp -s - "$work/expected" && same=yes || same=no
    check "allowed: the agent got exactly the arguments sent" "$same" yes
else
    check "allowed: the agent was started" "no" "yes"
fi

# The system log names the helper and holds no token.
sleep 0.3
executing=$(grep -ao '[^<]*Executing command[^<]*' "$work/syslog" || true)
echo "  system log: ${executing:0:300}"
case $executing in *"COMMAND=$helper"*) ok=yes ;; *) ok=no ;; esac
check "system log: pkexec logged running the helper" "$ok" yes
grep -aqF 'tok-7f3e9a' "$work/syslog" && ok=no || ok=yes
check "system log: no token in it" "$ok" yes

# Refused: pkexec's own message comes back as the failure text.
calls_before=$(calls)
result=$(configure "$no_uid" token https://x.example "")
case $result in
"Configuration command failed:"$'\n'"execution error: "*"Not authorized"*" (127)") ok=yes ;;
*) ok=no ;;
esac
check "refused: the failure names pkexec's 'Not authorized'" "$ok" yes
check "refused: the agent was not started" "$(calls)" "$calls_before"

# Delegation grants enrollment only: with the action granted, the helper runs
# nothing but the agent beside it with exactly the configure words.
mkdir -p "$work/elsewhere"
printf '#!/bin/sh\ntouch %s/ran\n' "$work" >"$work/elsewhere/OvataDeviceAgent"
chmod 755 "$work/elsewhere" "$work/elsewhere/OvataDeviceAgent"
agent_q="'$install/OvataDeviceAgent'"
tail_ok="--configure --token 't' --base-url 'https://u' --upn-override ''"
while IFS='|' read -r what line; do
    rm -f "$work/ran"
    calls_before=$(calls)
    status=0
    printf '%s' "$line" | as_user "$yes_uid" /usr/bin/pkexec "$helper" \
        >/dev/null 2>"$work/refusal" || status=$?
    ok=yes
    [ "$status" -eq 125 ] && [ "$(wc -l <"$work/refusal")" -eq 1 ] &&
        grep -q '^ovata-enroll-helper: refused: ' "$work/refusal" || ok=no
    [ ! -e "$work/ran" ] && [ "$(calls)" = "$calls_before" ] || ok=no
    check "helper refuses $what ($(cat "$work/refusal"))" "$ok" yes
done <<LINES
a shell|'/bin/sh' -c 'touch $work/ran'
an agent in another folder|'$work/elsewhere/OvataDeviceAgent' $tail_ok
another program beside it|'$helper' $tail_ok
an extra word|$agent_q $tail_ok ; touch $work/ran
a missing word|$agent_q --configure --token 't' --base-url 'https://u'
flags out of order|$agent_q --configure --base-url 'https://u' --token 't' --upn-override ''
an unquoted ;|$agent_q --configure --token 't';touch $work/ran;'' --base-url 'https://u' --upn-override ''
an unquoted \$(…)|$agent_q --configure --token \$(touch $work/ran) --base-url 'https://u' --upn-override ''
LINES
rm -f "$work/ran"
status=0
{ printf "%s --configure --token '" "$agent_q"; head -c 200000 /dev/zero | tr '\0' t
  printf "' --base-url 'https://u' --upn-override ''"; } |
    as_user "$yes_uid" /usr/bin/pkexec "$helper" >/dev/null 2>"$work/refusal" || status=$?
check "helper refuses input over the bound ($(cat "$work/refusal"))" "$status" 125

# Process listings: while the grant takes three seconds and the agent runs
# two, another user reads every argument list.
touch "$work/slow"
echo "configure sleep 2000" >"$work/control"
mkdir -p "$state" && cp "$work/control" "$state/control"
# "<ms> <pid> <name>" each time a process's arguments hold the fragment; the
# fragment comes from a file, so the scanner's own arguments do not.
printf tok-7f3e9a >"$work/fragment"
as_user "$no_uid" bash -c 'end=$((SECONDS + 7)); while [ $SECONDS -lt $end ]; do
    for f in $(grep -laFf "$0/fragment" /proc/[0-9]*/cmdline 2>/dev/null); do
        pid=${f#/proc/}; pid=${pid%/cmdline}
        echo "$(date +%s%3N) $pid $(cat "/proc/$pid/comm" 2>/dev/null)"
    done; sleep 0.02; done' "$work" >"$work/scan" &
scanner=$!
sleep 0.3
result=$(configure "$yes_uid" "$token" "$url" "$upn")
wait "$scanner" || true
rm -f "$work/slow" "$state/control"
check "listing: the slow enrollment succeeds" "$result" saved
echo "  processes whose arguments held the token, as another user saw them:"
# A process may end between the two reads: its name is the one seen once.
awk '!($2 in first) {first[$2] = $1} $3 != "" {name[$2] = $3} {last[$2] = $1}
    END {for (p in first) printf "%s %d %s\n", (p in name) ? name[p] : "?", last[p] - first[p], p}' \
    "$work/scan" >"$work/seen"
awk '{printf "    %s %d ms (pid %s)\n", $1, $2, $3}' "$work/seen"
others=$(awk '$1 != "sh" && $1 != "OvataDeviceAgen"' "$work/seen")
check "listing: the token only in the agent's and its shell's arguments" "$others" ""

# The same road through the window, as the allowed user.
rm -rf "$state"
if OVATA_E2E_PKEXEC=real OVATA_E2E_UID=$yes_uid OVATA_E2E_INSTALLED=$install \
    bash "$e2e" - - "$agent"; then
    echo "PASS: the window enrolled through the real pkexec"
else
    status=$?
    [ "$status" -eq 77 ] && skip "the window road needs Xvfb"
    echo "FAIL: the window road through the real pkexec" >&2
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { cat "$work/polkitd.log" >&2; exit 1; }
