# The installed package serves a program without GLFW: examples/sdl2, configured with
# find_package(trellis) against a fresh install, builds without GLFW, draws its interface in an
# OpenGL 3.3 core profile context, and takes SDL's clicks, typing, clipboard, wheel and resize.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
# The library itself names no GLFW symbol; its GLFW part is trellis-glfw.
library=$(find "$PREFIX" -name 'libtrellis.a' -o -name 'libtrellis.so' | head -n 1)
[ -n "$library" ] || fail "no libtrellis installed"
! nm -D -u "$library" 2>/dev/null | grep -q glfw && ! nm -u "$library" 2>/dev/null | grep -q glfw ||
    fail "$(basename "$library") uses GLFW: $(nm -u "$library" 2>/dev/null | grep glfw | head -n 3)"
[ -n "$(find "$PREFIX" -name 'libtrellis-glfw.*')" ] || fail "no libtrellis-glfw installed"
build_example_cmake sdl2
exercise_sdl "$WORK/sdl2"
echo "the SDL example built with find_package(trellis) ran without GLFW and exited with code 0"
