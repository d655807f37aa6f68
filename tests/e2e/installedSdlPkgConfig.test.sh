# The installed trellis.pc serves a program without GLFW: examples/sdl2, built by its Makefile,
# names no GLFW in its flags and behaves as the CMake-built one does.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
! PKG_CONFIG_PATH="$PKG_DIR" pkg-config --libs --static trellis | grep -qi glfw ||
    fail "trellis.pc names GLFW: $(PKG_CONFIG_PATH="$PKG_DIR" pkg-config --libs --static trellis)"
PKG_CONFIG_PATH="$PKG_DIR" make -C "$SOURCE/examples/sdl2" OUT="$WORK/sdl2" CXX="$EXAMPLE_CXX" \
    CXXFLAGS="-O2 -Wall -Wextra $EXAMPLE_FLAGS" LDFLAGS="$EXAMPLE_FLAGS" >"$WORK/build.txt" 2>&1 ||
    fail "building the SDL example failed: $(tail -n 20 "$WORK/build.txt")"
exercise_sdl "$WORK/sdl2"
echo "the SDL example built with pkg-config ran without GLFW and exited with code 0"
