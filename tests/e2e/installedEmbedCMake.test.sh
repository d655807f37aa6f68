# The installed package works for a CMake project: examples/embed, configured with
# find_package(trellis) against a fresh install, builds, draws its interface over its own
# scene, takes clicks on its buttons, leaves the others to its scene, and exits with code 0.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
cmake -S "$SOURCE/examples/embed" -B "$WORK/embed" -DCMAKE_PREFIX_PATH="$PREFIX" \
    -DCMAKE_CXX_COMPILER="$EXAMPLE_CXX" -DCMAKE_CXX_FLAGS="$EXAMPLE_FLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="$EXAMPLE_FLAGS" >"$WORK/configure.txt" 2>&1 ||
    fail "configuring the example failed: $(cat "$WORK/configure.txt")"
cmake --build "$WORK/embed" >"$WORK/build.txt" 2>&1 ||
    fail "building the example failed: $(tail -n 20 "$WORK/build.txt")"
exercise_embed "$WORK/embed"
echo "the example built with find_package(trellis) ran and exited with code 0"
