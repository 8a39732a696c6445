#!/usr/bin/env bash
# Stages the README's install into DESTDIR and enrolls through the installed
# program; then builds the Debian and the RPM package and inspects
# them; then builds both again, as the README builds a release, from two
# clones of the checkout's commit in two folders, compares them byte for
# byte and checks the programs' hardening.
#   install_package.sh <build directory> <e2e script> <stand-in agent> <helper's file name> <checkout>
set -euo pipefail
build=$1 e2e=$2 agent=$3 helper=$4 checkout=$5
source "$(dirname "$0")/../support/common.sh"
require_tools cpack dpkg-deb appstreamcli desktop-file-validate xmllint rpmbuild rpmlint rpmsign gpg \
    git ninja dpkg-parsechangelog hardening-check readelf objdump
enter_sandbox "$@"
work=$scratch
chmod 755 "$work"
app_id=example.ovata.AgentConfigurator
changelog=$checkout/packaging/changelog
# Every file an install puts down, relative to /, for a prefix relative to /;
# the polkit action goes where polkitd reads it, whatever the prefix. Any
# further arguments are files of one package.
expected_files() {
    printf '%s\n' "$1/lib/ovata/OvataAgentConfigurator" "$1/lib/ovata/$helper" \
        "$1/share/applications/$app_id.desktop" \
        "$1/share/doc/ovata-agent-configurator/50-ovata-enroll.rules.example" \
        "$1/share/doc/ovata-agent-configurator/copyright" "${@:2}" \
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
debian_changelog=usr/share/doc/ovata-agent-configurator/changelog.Debian.gz
check "package: exactly the installed files and Debian's changelog, under /usr" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)" \
    "$(expected_files usr "$debian_changelog")"
check "package: Debian's changelog is the project's" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./$debian_changelog" | gzip -d)" "$(cat "$changelog")"
check "package: programs are executable by all" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ && /lib\/ovata\// {print $1}' | sort -u)" "-rwxr-xr-x"
check "package: the polkit action names /usr/lib/ovata/$helper" \
    "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/polkit-1/actions/$app_id.policy" |
        sed -n 's|.*exec.path">\(.*\)</annotate>|\1|p')" "/usr/lib/ovata/$helper"
check "package: depends on pkexec and Qt's libraries" \
    "$(dpkg-deb -f "$deb" Depends | tr , '\n' | awk '{print $1}' | grep -xE 'pkexec|libqt6(widgets|gui|core)6' | sort -u | xargs)" \
    "libqt6core6 libqt6gui6 libqt6widgets6 pkexec"
check "package: recommends Qt's translations" "$(dpkg-deb -f "$deb" Recommends)" qt6-translations-l10n
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
check "rpm: exactly the installed files, no Debian changelog, under /usr" \
    "$(awk '$5 !~ /^04/ {print $1}' "$work/rpm.files" | sed 's|^/||' | sort)" "$(expected_files usr)"
check "rpm: owns only its own folders" \
    "$(awk '$5 ~ /^04/ {print $1}' "$work/rpm.files" | sort | tr '\n' ' ')" \
    "/usr/lib/ovata /usr/share/doc/ovata-agent-configurator "
check "rpm: programs are executable by all" \
    "$(awk '/\/lib\/ovata\/./ {print $5}' "$work/rpm.files" | sort -u)" 0100755
check "rpm: requires pkexec and Qt's libraries" \
    "$(rpm -qpR "$rpm" 2>/dev/null | grep -xE '/usr/bin/pkexec|libQt6(Widgets|Gui|Core)\.so\.6\(\)\(64bit\)' | LC_ALL=C sort -u | xargs)" \
    "/usr/bin/pkexec libQt6Core.so.6()(64bit) libQt6Gui.so.6()(64bit) libQt6Widgets.so.6()(64bit)"
check "rpm: recommends Qt's translations" "$(rpm -qp --recommends "$rpm" 2>/dev/null)" qt6-qttranslations
# The polkit action is replaced with the package, not kept as an edited
# configuration file; doc files are marked so by rpm itself.
check "rpm: the polkit action is a plain file, and no file is %config" \
    "$(rpm -qp --qf '[%{FILEFLAGS:fflags} %{FILENAMES}\n]' "$rpm" 2>/dev/null | grep -E '^[a-z]*c[a-z]* |actions/.')" \
    " /usr/share/polkit-1/actions/$app_id.policy"
# The changelog's latest entry as Debian's own parser reads it, in rpm's form.
field() { dpkg-parsechangelog -l "$changelog" -S "$1"; }
check "rpm: the changelog is the project's" \
    "$(rpm -qp --changelog "$rpm" 2>/dev/null | head -1)" \
    "* $(LC_ALL=C date -u -d "$(field Date)" '+%a %b %d %Y') $(field Maintainer) - $(field Version)"
check "rpm: every entry of the changelog" \
    "$(rpm -qp --qf '[%{CHANGELOGTIME}\n]' "$rpm" 2>/dev/null | wc -l)" \
    "$(dpkg-parsechangelog -l "$changelog" --all -S Version | wc -l)"
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

# A release, as the README builds it: a clone of the commit, configured and
# built with nothing of this machine's (no compiler launcher: a cache would
# hand the second build the first one's objects), packaged at the commit's
# time. Two folders of different depth and length.
commit=$(git -C "$checkout" rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git -C "$checkout" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
release() ( # <folder>
    unset CMAKE_CXX_COMPILER_LAUNCHER CXXFLAGS CPPFLAGS LDFLAGS
    export HOME=$work/home
    git clone --quiet --no-checkout "$checkout" "$1" && git -C "$1" checkout --quiet --detach "$commit" &&
        cmake -S "$1" -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF &&
        cmake --build "$1/build" && cd "$1" && cpack --config build/CPackConfig.cmake -G "DEB;RPM" -B packages
) >"$1.log" 2>&1
mkdir "$work/home"
first=$work/r/ovata second=$work/release-built-elsewhere/a/b/ovata-agent-configurator
for folder in "$first" "$second"; do
    mkdir -p "$(dirname "$folder")"
    release "$folder" || { tail -40 "$folder.log" >&2; exit 1; }
done
# What two builds of a package differ in: its header and its files' digests.
describe() {
    case $1 in
    *.deb) dpkg-deb -I "$1" && dpkg-deb -I "$1" md5sums && dpkg-deb -c "$1" ;;
    *.rpm) rpm -qip "$1" && rpm -qp --dump "$1" ;;
    esac 2>&1
}
for package in "$first"/packages/*.deb "$first"/packages/*.rpm; do
    other=$second/packages/$(basename "$package")
    cmp "$package" "$other" >"$work/cmp.log" 2>&1 || { diff <(describe "$package") <(describe "$other") | head -40 >&2 || true; }
    check "release: $(basename "$package") is the same from both folders" "$(cat "$work/cmp.log")" ""
done

# The released programs carry the hardening set. Debian 12's C library start
# files carry no CET note, so the linker marks no program there (the system's
# own pkexec neither): the compiler's marks in our code are counted instead,
# at least one for every other function.
unpacked=$work/unpacked
dpkg-deb -x "$first"/packages/*.deb "$unpacked"
cet=()
if [ "$(uname -m)" = x86_64 ] && ! readelf -n "$(c++ -print-file-name=Scrt1.o)" | grep -q 'IBT, SHSTK'; then
    cet=(--nocfprotection)
fi
for program in OvataAgentConfigurator "$helper"; do
    path=$unpacked/usr/lib/ovata/$program
    # The helper's reads fill fixed buffers the compiler proved large enough,
    # and its copies are the standard library's, into storage no compiler
    # can size: none is fortified, so the application's calls show it is on.
    options=("${cet[@]}")
    [ "$program" = OvataAgentConfigurator ] || options+=(--nofortify)
    check_runs "hardening: $program passes hardening-check ${options[*]}" hardening-check "${options[@]}" "$path"
    if [ ${#cet[@]} -gt 0 ]; then
        check "hardening: $program's functions carry CET marks" \
            "$(($(objdump -d "$path" | grep -c endbr64) * 2 >= $(readelf --debug-dump=frames "$path" | grep -c ' FDE ')))" 1
    fi
done
[ "$failures" -eq 0 ]
