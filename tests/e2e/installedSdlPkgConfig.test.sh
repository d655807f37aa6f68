# The installed trellis.pc serves a program without GLFW: examples/sdl2, built by its Makefile,
# names no GLFW in its flags and behaves as the CMake-built one does.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
! PKG_CONFIG_PATH="$PKG_DIR" pkg-config --libs --static trellis | grep -qi glfw ||
    fail "trellis.pc names GLFW: $(PKG_CONFIG_PATH="$PKG_DIR" pkg-config --libs --static trellis)"
build_example_make sdl2
exercise_sdl "$WORK/sdl2"
echo "the SDL example built with pkg-config ran without GLFW and exited with code 0"
