#!/usr/bin/env bash
# The privileged path with the real /usr/bin/pkexec and a real polkit daemon.
# Everything lives in a private mount namespace: its own system bus in
# /run/dbus, its own rules in /etc/polkit-1/rules.d and two test users added
# to a private copy of /etc/passwd, so nothing is left on the machine.
#   polkit_real.sh <driver> <scripthost> <stand-in agent> <application> <e2e script>
set -euo pipefail
driver=$1 host=$2 agent=$3 app=$4 e2e=$5

source "$(dirname "$0")/../support/skip.sh"
[ "$(id -u)" -eq 0 ] || skip "starting a private polkit daemon needs root"
require_tools unshare setpriv dbus-daemon dbus-send /usr/lib/polkit-1/polkitd /usr/bin/pkexec
[ -u /usr/bin/pkexec ] || skip "/usr/bin/pkexec is not setuid root"
if [ -z "${OVATA_IN_POLKIT_SANDBOX:-}" ]; then
    OVATA_IN_POLKIT_SANDBOX=1 exec unshare --mount --propagation private "$0" "$@"
fi

work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    done
    rm -rf "$work"
}
trap cleanup EXIT

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

mkdir -p /etc/polkit-1/rules.d /run/dbus
mount -t tmpfs -o mode=755 tmpfs /run/dbus
mount -t tmpfs -o mode=755 tmpfs /etc/polkit-1/rules.d
cat >/etc/polkit-1/rules.d/00-ovata-test.rules <<'RULES'
polkit.addRule(function(action, subject) {
    if (action.id == "org.freedesktop.policykit.exec" && action.lookup("program") == "/bin/sh") {
        if (subject.user == "ovata-polkit-yes") {
            return polkit.Result.YES;
        }
        if (subject.user == "ovata-polkit-no") {
            return polkit.Result.NO;
        }
    }
});
RULES
chmod 644 /etc/polkit-1/rules.d/00-ovata-test.rules

pids+=("$(dbus-daemon --system --fork --print-pid)")
/usr/lib/polkit-1/polkitd --no-debug >"$work/polkitd.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.PolicyKit1 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.1
done

install=$work/opt/ovata
mkdir -p "$install"
cp "$agent" "$install/OvataDeviceAgent"
chmod 755 "$install" "$install/OvataDeviceAgent"
state=$install/OvataDeviceAgent.state

as_user() {
    local uid=$1
    shift
    setpriv --reuid="$uid" --regid="$uid" --clear-groups env HOME=/nonexistent "$@"
}

failures=0
check() {
    if [ "$2" = "$3" ]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1"$'\n'"  expected: $3"$'\n'"  actual:   $2" >&2
        failures=$((failures + 1))
    fi
}

# Allowed: the agent runs as root and receives exactly what was sent.
token="a'b\"c\\d \$(id) \`id\` ; x  y & ü€"
url="https://polkit.ovata.example/p?a=1&b='2'"
upn="jörg.o'brien@corp.example"
result=$(as_user "$yes_uid" "$driver" "$host" "$install/OvataAgentConfigurator" \
    "$token" "$url" "$upn") || true
check "allowed: the configure command succeeds" "$result" saved
record=$(ls "$state/calls" 2>/dev/null | tail -n 1)
if [ -n "$record" ]; then
    check "allowed: the agent ran with effective uid 0" \
        "$(head -n 1 "$state/calls/$record" | cut -d' ' -f2)" 0
    printf '%s\0' --configure --token "$token" --base-url "$url" --upn-override "$upn" \
        >"$work/expected"
    tail -n +2 "$state/calls/$record" | cmp -s - "$work/expected" &&
        same=yes || same=no
    check "allowed: the agent got exactly the arguments sent" "$same" yes
else
    check "allowed: the agent was started" "no" "yes"
fi

# Refused: pkexec's own message comes back as the failure text.
calls_before=$(ls "$state/calls" | wc -l)
result=$(as_user "$no_uid" "$driver" "$host" "$install/OvataAgentConfigurator" \
    token https://x.example "") || true
case $result in
"Configuration command failed:"$'\n'"execution error: "*"Not authorized"*" (127)") ok=yes ;;
*) ok=no ;;
esac
check "refused: the failure names pkexec's 'Not authorized'" "$ok" yes
echo "  the text: ${result//$'\n'/ \\n }"
check "refused: the agent was not started" "$(ls "$state/calls" | wc -l)" "$calls_before"

# The same road through the window, as the allowed user.
rm -rf "$state"
if OVATA_E2E_PKEXEC=real OVATA_E2E_UID=$yes_uid bash "$e2e" "$app" "$host" "$agent"; then
    echo "PASS: the window enrolled through the real pkexec"
else
    status=$?
    [ "$status" -eq 77 ] && skip "the window road needs Xvfb"
    echo "FAIL: the window road through the real pkexec" >&2
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || { cat "$work/polkitd.log" >&2; exit 1; }
