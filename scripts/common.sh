# Shared by the README's commands: installing what is missing, and building.
# Sourced, not run.

TRELLIS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TRELLIS_PACKAGES=(
    build-essential cmake pkg-config
    libglfw3-dev libtinyxml-dev libgl-dev libglu1-mesa-dev libfreetype-dev fonts-dejavu-core
    libgtest-dev libbenchmark-dev libx11-dev
    xvfb xauth xdotool imagemagick x11-apps
    clang libclang-rt-14-dev valgrind
    libcli11-dev libegl-dev libpng-dev libimgui-dev libsdl2-dev
    libharfbuzz-dev libfribidi-dev libunibreak-dev fonts-noto-cjk fonts-noto-core
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-spa tesseract-ocr-jpn
)

# Runs a command as root: through sudo when not root already.
as_root() {
    if [ "$(id -u)" -ne 0 ]; then
        sudo "$@"
    else
        "$@"
    fi
}

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
    as_root apt-get update -qq &&
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
}

# Configures and builds into build/ (Release), with any extra CMake arguments given.
build_trellis() {
    cmake -S "$TRELLIS_ROOT" -B "$TRELLIS_ROOT/build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null &&
        cmake --build "$TRELLIS_ROOT/build" -j"$(nproc)"
}

# Configures and builds into build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer,
# compiled by clang so that the fuzzers and their corpus replays are built there too.
build_trellis_sanitized() {
    CC=clang CXX=clang++ cmake -S "$TRELLIS_ROOT" -B "$TRELLIS_ROOT/build-asan" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLIS_SANITIZE=ON -DTRELLIS_BUILD_FUZZERS=ON "$@" \
        >/dev/null &&
        sanitizer_environment cmake --build "$TRELLIS_ROOT/build-asan" -j"$(nproc)"
}

# Runs a command with the sanitizers set to fail on any report. (The GL driver's memory needs no
# suppression: sanitized programs keep the driver loaded, see tests/sanitizer.) Mesa's software
# rasteriser draws on the calling thread: LeakSanitizer's exit-time check crashed now and then
# ("Tracer caught signal 11") while it stopped the rasteriser's worker threads. It also crashed
# reading the thread-local blocks of the LLVM library that the driver opens, so it does not scan
# thread-local storage; what only that storage holds is suppressed in tests/sanitizer.
sanitizer_environment() {
    LP_NUM_THREADS=0 ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
        LSAN_OPTIONS=use_tls=0:suppressions=$TRELLIS_ROOT/tests/sanitizer/threadLocalRoots.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$@"
}
