# Shared by ./test and ./run: installs what a fresh machine lacks and builds.
BUILD_DIR=${BUILD_DIR:-build}

debian_packages=(
    cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
    # Translations: lupdate/lrelease, and Qt's own texts at run time.
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    # Widget tests under a real X server, and the end-to-end runs, some with
    # a real window manager.
    xvfb xauth xdotool x11-utils openbox
    # The privileged path: polkit's pkexec, its daemon and a system bus.
    pkexec polkitd dbus-daemon dbus-bin
    # Packaging and its checks; strace for the token-leak test.
    dpkg-dev fakeroot file appstream desktop-file-utils lintian strace libxml2-utils
    rpm rpmlint gpg
    # The polkit test listens on /dev/log.
    socat
    # What a screen reader hears: the AT-SPI registry, its Python client,
    # a clipboard to paste from, and Orca itself; a German keyboard layout
    # for AltGr; a platform theme that sets a large font as a desktop would.
    at-spi2-core python3-pyatspi xclip orca speech-dispatcher espeak-ng x11-xkb-utils qt6ct
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
            $sudo apt-get update -qq
            # shellcheck disable=SC2086
            DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
        fi
        ;;
    esac
}

configure_and_build() {
    local prefix=()
    if [ "$(uname -s)" = Darwin ] && command -v brew >/dev/null; then
        prefix=(-DCMAKE_PREFIX_PATH="$(brew --prefix qt)")
    fi
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${prefix[@]}" >/dev/null
    cmake --build "$BUILD_DIR"
}
