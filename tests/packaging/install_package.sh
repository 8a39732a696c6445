#!/usr/bin/env bash
# Stages the README's install into DESTDIR and enrolls through the installed
# program; then builds the Debian and the RPM package and inspects
# them.
#   install_package.sh <build directory> <e2e script> <stand-in agent> <helper's file name>
set -euo pipefail
build=$1 e2e=$2 agent=$3 helper=$4
source "$(dirname "$0")/../support/common.sh"
require_tools cpack dpkg-deb appstreamcli desktop-file-validate xmllint rpmbuild rpmlint rpmsign gpg
enter_sandbox "$@"
work=$scratch
chmod 755 "$work"
app_id=example.ovata.AgentConfigurator
# Every file an install puts down, relative to /, for a prefix relative to /;
# the polkit action goes where polkitd reads it, whatever the prefix.
expected_files() {
    printf '%s\n' "$1/lib/ovata/OvataAgentConfigurator" "$1/lib/ovata/$helper" \
        "$1/share/applications/$app_id.desktop" \
        "$1/share/doc/ovata-agent-configurator/50-ovata-enroll.rules.example" \
        "$1/share/doc/ovata-agent-configurator/changelog.Debian.gz" \
        "$1/share/doc/ovata-agent-configurator/copyright" \
        "$1/share/icons/hicolor/scalable/apps/$app_id.svg" \
        "$1/share/metainfo/$app_id.metainfo.xml" \
        "usr/share/polkit-1/actions/$app_id.policy" | sort
}

# The README's install command, staged: DESTDIR holds everything it writes,
# and /usr, where a stray write would go, is read-only meanwhile.
stage=$work/stage
check_runs "install: a DESTDIR install writes nothing outside DESTDIR" env DESTDIR="$stage" \
    unshare --mount sh -c 'mount --bind /usr /usr && mount -o remount,bind,ro /usr &&
    exec cmake --install "$0" --prefix /usr/local' "$build"
check "install: exactly the expected files, no stand-in agent" \
    "$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)" "$(expected_files usr/local)"
prefix=$stage/usr/local
check "install: the launcher names the installed program" \
    "$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app_id.desktop")" \
    /usr/local/lib/ovata/OvataAgentConfigurator
check_runs "install: the desktop entry validates" \
    desktop-file-validate "$prefix/share/applications/$app_id.desktop"
check_runs "install: the metainfo validates" \
    appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
policy=$stage/usr/share/polkit-1/actions/$app_id.policy
check "install: the polkit action names the installed helper" \
    "$(sed -n 's|.*exec.path">\(.*\)</annotate>|\1|p' "$policy")" \
    /usr/local/lib/ovata/$helper
check_runs "install: the polkit action is valid" \
    xmllint --noout --dtdvalid /usr/share/polkit-1/policyconfig-1.dtd "$policy"
# Each language of the window also in all the prompt's, menu entry's and
# listing's texts.
for qm in "$build"/src/ui/ovataagentconfigurator_*.qm; do
    language=$(basename "$qm" .qm) && language=${language#*_}
    held+="$language $(grep -c "xml:lang=\"$language\"" "$policy") $(grep -c "^[A-Za-z]*\[$language\]=" \
        "$prefix/share/applications/$app_id.desktop") $(grep -c "xml:lang=\"$language\"" \
        "$prefix/share/metainfo/$app_id.metainfo.xml"), " wanted+="$language 2 4 4, "
done
check "install: the prompt, the entry and the listing speak each language" "$held" "$wanted"

# The installed program, beside a stand-in agent, reaches the form and enrolls.
if OVATA_E2E_INSTALLED=$prefix/lib/ovata bash "$e2e" - - "$agent"; then
    echo "PASS: install: the installed program enrolled through its window"
else
    status=$?
    [ "$status" -eq 77 ] || { echo "FAIL: install: the installed program" >&2; failures=$((failures + 1)); }
fi

# The package, built from the same build.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/deb/*.deb)
check "package: the file name" "$(basename "$deb")" "ovata-agent-configurator_1.0.0-1_$(dpkg --print-architecture).deb"
check "package: exactly the installed files, under /usr" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)" "$(expected_files usr)"
check "package: programs are executable by all" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && /lib\/ovata\// {print $1}' | sort -u)" "-rwxr-xr-x"
check "package: the polkit action names /usr/lib/ovata/$helper" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/polkit-1/actions/$app_id.policy" |
        sed -n 's|.*exec.path">\(.*\)</annotate>|\1|p')" "/usr/lib/ovata/$helper"
depends=$(dpkg-deb -f "$deb" Depends)
for package in pkexec libqt6widgets6 libqt6gui6 libqt6core6; do
    case ", $depends," in *", $package"[\ ,]*) ok=yes ;; *) ok=no ;; esac
    check "package: depends on $package" "$ok" yes
done
if command -v lintian >/dev/null; then
    # A first upload closes no bug report; nothing else may be said.
    lintian --suppress-tags initial-upload-closes-no-bugs "$deb" >"$work/lintian.log" 2>&1 || true
    check "package: lintian has no complaint" "$(grep -cE '^[EW]:' "$work/lintian.log" || true)" 0
    cat "$work/lintian.log"
fi
# The RPM: the same files, owning none of the system's folders.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G RPM -B "$work/rpm" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; exit 1; }
rpm=$(ls "$work"/rpm/*.rpm)
check "rpm: the file name" "$(basename "$rpm")" "ovata-agent-configurator-1.0.0-1.$(uname -m).rpm"
rpm -qp --dump "$rpm" >"$work/rpm.files" 2>/dev/null
check "rpm: exactly the installed files, under /usr" \
    "$(awk '$5 !~ /^04/ {print $1}' "$work/rpm.files" | sed 's|^/||' | sort)" "$(expected_files usr)"
check "rpm: owns only its own folders" \
    "$(awk '$5 ~ /^04/ {print $1}' "$work/rpm.files" | sort | tr '\n' ' ')" \
    "/usr/lib/ovata /usr/share/doc/ovata-agent-configurator "
check "rpm: programs are executable by all" \
    "$(awk '/\/lib\/ovata\/./ {print $5}' "$work/rpm.files" | sort -u)" 0100755
requires=$(rpm -qpR "$rpm" 2>/dev/null)
for need in /usr/bin/pkexec 'libQt6Widgets.so.6()(64bit)' 'libQt6Gui.so.6()(64bit)' 'libQt6Core.so.6()(64bit)'; do
    grep -qxF "$need" <<<"$requires" && ok=yes || ok=no
    check "rpm: requires $need" "$ok" yes
done
# Signed with a throw-away key, as a release is with the fleet's own.
export GNUPGHOME=$work/gnupg HOME=$work
mkdir -m 700 "$GNUPGHOME"
gpg --batch --passphrase '' --quick-gen-key "Ovata test <test@ovata.example>" rsa2048 sign never 2>/dev/null
printf '%%_dbpath %s/rpmdb\n%%__gpg %s\n%%_gpg_name Ovata test\n' "$work" "$(command -v gpg)" >"$work/.rpmmacros"
rpmsign --addsign "$rpm" </dev/null >/dev/null 2>&1
gpg --armor --export >"$work/key.asc" && rpm --import "$work/key.asc"
rpmlint "$rpm" >"$work/rpmlint.log" 2>&1 || true
check "rpm: rpmlint reports no errors" "$(grep -c ': E: ' "$work/rpmlint.log" || true)" 0
cat "$work/rpmlint.log"
[ "$failures" -eq 0 ]
