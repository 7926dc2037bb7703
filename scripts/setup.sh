# Installs the Debian packages that building, running and testing need and
# that this machine lacks. Sourced by the run and test scripts.

# The build dependencies of the Debian package, as debian/control lists them.
build_dependencies() {
    sed -n '/^Build-Depends:/,/^[A-Z]/{/^ /p}' debian/control | sed -E 's/^ +//; s/[ ,].*//; s/^debhelper-compat$/debhelper/'
}

# To build and run the program, and its benchmarks (XTest and DAMAGE).
mapfile -t required_packages < <(build_dependencies)
required_packages+=(
    g++ make
    qt6-qpa-plugins qt6-wayland
    fonts-liberation
    xvfb xauth
    libx11-dev libxtst-dev libxdamage-dev libxfixes-dev
)

# To test it as a desktop does: installed files, the accessibility bus, a
# Wayland compositor, the Debian package and its checkers, a dark colour scheme, a font with
# the Arabic decimal separator, and a screen reader with a window manager.
test_packages=(
    desktop-file-utils appstream file
    dbus at-spi2-core python3-pyatspi
    weston
    dpkg-dev build-essential
    clang libclang-rt-dev
    xdotool python3-pil
    qt6ct fonts-dejavu-core
    orca speech-dispatcher speech-dispatcher-espeak-ng openbox x11-xserver-utils
    lintian devscripts blhc
)

# To take pictures of the window in other colour schemes, with a result shown.
screenshot_packages=(xdotool qt6ct)

# Runs a command with its output out of sight, and shows it only if it fails.
quietly() {
    local log
    log=$(mktemp)
    if "$@" >"$log" 2>&1; then
        rm -f "$log"
    else
        local status=$?
        cat "$log" >&2
        rm -f "$log"
        return "$status"
    fi
}

install_missing_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    quietly "${sudo[@]}" apt-get update
    quietly "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds one preset, saying so in a line.
build_preset() {
    echo "Building ($1)"
    quietly cmake --preset "$1" "${@:2}"
    quietly cmake --build --preset "$1" -j"$(nproc)"
}
