# Shared by ./test and ./run: installs what a fresh machine lacks and builds.
#
# OVATA_SANITIZE=address,undefined or OVATA_SANITIZE=thread builds with those
# sanitizers into a folder of its own (build-asan, build-tsan); any report
# ends the program with a failure.
OVATA_SANITIZE=${OVATA_SANITIZE:-}
case $OVATA_SANITIZE in
"") BUILD_DIR=${BUILD_DIR:-build} OVATA_BOUND_SCALE=1 ;;
address,undefined | undefined,address) BUILD_DIR=${BUILD_DIR:-build-asan} OVATA_BOUND_SCALE=4 ;;
thread) BUILD_DIR=${BUILD_DIR:-build-tsan} OVATA_BOUND_SCALE=4 ;;
*)
    echo "OVATA_SANITIZE is address,undefined or thread, not $OVATA_SANITIZE" >&2
    exit 2
    ;;
esac

debian_packages=(
    cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
    # Translations: lupdate/lrelease, and Qt's own texts at run time.
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    # Widget tests under a real X server, and the end-to-end runs, some with
    # a real window manager.
    xvfb xauth xdotool x11-utils openbox
    # The privileged path: polkit's pkexec, its daemon and a system bus.
    pkexec polkitd dbus-daemon dbus-bin
    # Packaging and its checks (hardening-check is in devscripts; a release
    # is built from a git clone); strace for the token-leak test.
    dpkg-dev fakeroot file appstream desktop-file-utils lintian strace libxml2-utils
    rpm rpmlint gpg devscripts git
    # The root helper's fuzz target: clang with its libFuzzer runtime.
    clang libclang-rt-14-dev
    # The polkit test listens on /dev/log.
    socat
    # What a screen reader hears: the AT-SPI registry, its Python client,
    # a clipboard to paste from, and Orca itself; a German keyboard layout
    # for AltGr; a platform theme that sets a large font as a desktop would.
    at-spi2-core python3-pyatspi xclip orca speech-dispatcher espeak-ng x11-xkb-utils qt6ct
    # The looks Linux desktops give a Qt application, and screenshots of them.
    adwaita-qt6 qt6-gtk-platformtheme imagemagick
    # Fonts for every language's script: Chinese, Japanese, Korean, Arabic,
    # Hebrew.
    fonts-noto-cjk fonts-noto-core
    # The benchmarks watch the X server directly.
    libxcb1-dev
)

missing_debian_packages() {
    local package
    for package in "${debian_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$package"
    done
}

# Another package manager may hold apt's locks for a while: installing
# waits up to ten minutes for dpkg's, and updating, which cannot wait for
# the package lists' lock, is tried again for as long while that is held.
apt_update_waiting() {
    local said _
    for _ in $(seq 120); do
        said=$("$@" apt-get update -qq 2>&1) && return 0
        case $said in *"Could not get lock"*) sleep 5 ;; *) break ;; esac
    done
    echo "$said" >&2
    return 1
}

ensure_build_tools() {
    case "$(uname -s)" in
    Darwin)
        if ! command -v cmake >/dev/null || ! command -v ninja >/dev/null ||
            ! { command -v qmake6 >/dev/null || command -v qmake >/dev/null; }; then
            echo "Qt 6, CMake and Ninja are needed: brew install qt cmake ninja" >&2
            exit 1
        fi
        ;;
    *)
        if ! command -v dpkg-query >/dev/null; then
            echo "Install CMake, Ninja and Qt 6 (Core, Gui, Widgets, Test) with your package manager." >&2
            return
        fi
        local missing
        missing=$(missing_debian_packages)
        if [ -n "$missing" ]; then
            local sudo=""
            [ "$(id -u)" -eq 0 ] || sudo=sudo
            echo "Installing: $missing"
            apt_update_waiting $sudo
            # shellcheck disable=SC2086
            DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
                --no-install-recommends $missing >/dev/null
        fi
        ;;
    esac
}

configure_and_build() {
    local prefix=()
    if [ "$(uname -s)" = Darwin ] && command -v brew >/dev/null; then
        prefix=(-DCMAKE_PREFIX_PATH="$(brew --prefix qt)")
    fi
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DOVATA_SANITIZE="$OVATA_SANITIZE" -DOVATA_BOUND_SCALE="$OVATA_BOUND_SCALE" \
        "${prefix[@]}" >/dev/null
    cmake --build "$BUILD_DIR"
}

# What the sanitizers do on a report: stop the program with a failure, and
# say where. Freed memory is held back 16 MiB deep, which the tests' memory
# bounds allow for; the system bus library's one allocation at exit is not
# ours. Qt is not built for ThreadSanitizer, so only its own libraries'
# races are set aside; forking (QProcess) must not end a threaded test. The
# test scripts scale their waits by OVATA_BOUND_SCALE.
export_sanitizer_options() {
    export OVATA_BOUND_SCALE
    export ASAN_OPTIONS=halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:quarantine_size_mb=16
    export LSAN_OPTIONS="suppressions=$PWD/tools/lsan-system.supp"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tools/tsan-qt.supp"
}
