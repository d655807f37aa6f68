# The installed package works with pkg-config: examples/embed, built by its Makefile with
# trellis.pc from a fresh install, behaves as the CMake-built one does.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
build_example_make embed
exercise_embed "$WORK/embed"
echo "the example built with pkg-config ran and exited with code 0"
