# The installed package works for a CMake project: examples/embed, configured with
# find_package(trellis) against a fresh install, builds, draws its interface over its own
# scene, takes clicks on its buttons, leaves the others to its scene, and exits with code 0.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
build_example_cmake embed
exercise_embed "$WORK/embed"
echo "the example built with find_package(trellis) ran and exited with code 0"
