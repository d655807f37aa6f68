# The installed package works with pkg-config: examples/embed, built by its Makefile with
# trellis.pc from a fresh install, behaves as the CMake-built one does.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
PKG_CONFIG_PATH="$PKG_DIR" make -C "$SOURCE/examples/embed" OUT="$WORK/embed" CXX="$EXAMPLE_CXX" \
    CXXFLAGS="-O2 -Wall -Wextra $EXAMPLE_FLAGS" LDFLAGS="$EXAMPLE_FLAGS" >"$WORK/build.txt" 2>&1 ||
    fail "building the example failed: $(tail -n 20 "$WORK/build.txt")"
exercise_embed "$WORK/embed"
echo "the example built with pkg-config ran and exited with code 0"
