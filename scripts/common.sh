# Shared by the README's commands: installing what is missing, and building.
# Sourced, not run.

TRELLIS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TRELLIS_PACKAGES=(
    build-essential cmake pkg-config
    libglfw3-dev libtinyxml-dev libgl-dev libglu1-mesa-dev libfreetype-dev fonts-dejavu-core
    libgtest-dev libbenchmark-dev libx11-dev
    xvfb xauth xdotool imagemagick x11-apps
)

# Installs the packages in TRELLIS_PACKAGES (and any given as arguments) that are missing.
install_missing_packages() {
    local missing=()
    local package
    for package in "${TRELLIS_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}

# Configures and builds into build/ (Release), with any extra CMake arguments given.
build_trellis() {
    cmake -S "$TRELLIS_ROOT" -B "$TRELLIS_ROOT/build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null &&
        cmake --build "$TRELLIS_ROOT/build" -j"$(nproc)"
}
