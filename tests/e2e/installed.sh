# Helpers for end-to-end tests of an installed trellis: install the build into a fresh prefix,
# build the embedding example (examples/embed) against it, and drive that example. Sourced
# after harness.sh, whose private X server, work folder and helpers they use.

SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The value of a variable in the build's CMake cache.
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$BUILD/CMakeCache.txt"; }

# The example is built by the build's compiler. A sanitized library needs the sanitizer runtime
# in every program that links it: the example then gets the same sanitizers, and runs without
# leak checks, since it does not keep the GL driver loaded as the build's programs do, and
# LeakSanitizer would report the driver's memory.
EXAMPLE_CXX=$(cache_value CMAKE_CXX_COMPILER)
EXAMPLE_FLAGS=
if [ "$(cache_value TRELLIS_SANITIZE)" = ON ]; then
    EXAMPLE_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
fi

# Installs the build into $WORK/prefix, as a user would; sets PREFIX, and PKG_DIR to the folder
# of trellis.pc.
install_build() {
    PREFIX="$WORK/prefix"
    cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.txt" 2>&1 ||
        fail "cmake --install failed: $(tail -n 5 "$WORK/install.txt")"
    PKG_DIR=$(dirname "$(find "$PREFIX" -name trellis.pc | head -n 1)")
}

# Configures and builds examples/NAME against the install with CMake into $WORK/NAME.
build_example_cmake() {
    cmake -S "$SOURCE/examples/$1" -B "$WORK/$1" -DCMAKE_PREFIX_PATH="$PREFIX" \
        -DCMAKE_CXX_COMPILER="$EXAMPLE_CXX" -DCMAKE_CXX_FLAGS="$EXAMPLE_FLAGS" \
        -DCMAKE_EXE_LINKER_FLAGS="$EXAMPLE_FLAGS" >"$WORK/configure.txt" 2>&1 ||
        fail "configuring the example failed: $(cat "$WORK/configure.txt")"
    cmake --build "$WORK/$1" >"$WORK/build.txt" 2>&1 ||
        fail "building the example failed: $(tail -n 20 "$WORK/build.txt")"
}

# Builds examples/NAME against the install with its Makefile and pkg-config into $WORK/NAME.
build_example_make() {
    PKG_CONFIG_PATH="$PKG_DIR" make -C "$SOURCE/examples/$1" OUT="$WORK/$1" CXX="$EXAMPLE_CXX" \
        CXXFLAGS="-O2 -Wall -Wextra $EXAMPLE_FLAGS" LDFLAGS="$EXAMPLE_FLAGS" >"$WORK/build.txt" 2>&1 ||
        fail "building the example failed: $(tail -n 20 "$WORK/build.txt")"
}

# Remembers how many lines the program has printed, so that wait_for_line sees only later ones.
mark_output() { SEEN=$(wc -l <"$DEMO_OUT"); }

# Waits until the program prints, after the last mark_output, a line matching the extended
# regular expression PATTERN (for up to 10 s).
wait_for_line() {
    local waited=0
    until tail -n +$((SEEN + 1)) "$DEMO_OUT" | grep -Eq -- "$1"; do
        [ "$waited" -lt 100 ] || fail "no new line matching '$1'; output was:
$(cat "$DEMO_OUT")
$(cat "$WORK/stderr.txt")"
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Starts the example program PROGRAM from an unrelated folder (it finds its files beside its
# executable), and waits until it prints a line matching READY. Sets DEMO_PID, DEMO_WINDOW,
# DEMO_OUT.
start_example() {
    mkdir -p "$WORK/elsewhere"
    DEMO_OUT="$WORK/stdout.txt"
    : >"$DEMO_OUT"
    mark_output
    (cd "$WORK/elsewhere" && exec "$1" >"$DEMO_OUT" 2>"$WORK/stderr.txt") &
    DEMO_PID=$!
    DEMO_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$DEMO_PID" | head -n 1)
    [ -n "$DEMO_WINDOW" ] || fail "the example's window did not appear: $(cat "$WORK/stderr.txt")"
    wait_for_line "$2"
}

# Starts the embedding example built in FOLDER, and waits until its interface is loaded.
start_embed() { start_example "$1/trellis-embed" '^ready: 1 top-level elements'; }

# Clicks window pixel (X, Y), which must differ from the pointer's position (a move there
# waits for the pointer to move), and waits for a new line matching PATTERN.
click_expecting() {
    mark_output
    move_to "$1" "$2"
    click 1
    wait_for_line "$3"
}

# Drives the example built in FOLDER through its interface and its scene, then closes it.
# Its 800 x 600 window has 6 pixels to the unit; the panel's buttons (embedDialogue.xml) are
# 26 x 4 units at x 4 and y 6, 12 and 18 of the window.
exercise_embed() {
    start_embed "$1"
    local shot
    # The interface is drawn over the scene: the panel's first button, in the skin's colour,
    # once the first frame is shown.
    button_shown() {
        shot=$(screenshot start 800x600)
        [ "$(pixel "$shot" 30 40)" = "63 74 92" ]
    }
    eventually button_shown || fail "no button of the interface at (30, 40): $(pixel "$shot" 30 40)"

    click_expecting 102 48 '^callback: spin clockwise$'
    click_expecting 102 84 '^callback: colour green$'
    # The interface took those clicks: the scene saw none.
    ! grep -q '^scene click' "$DEMO_OUT" || fail "a click on a button reached the scene"
    click_expecting 400 150 '^scene click at 400 150$'
    # The scene stops turning and shows the colour the callback chose: green in the middle.
    settle
    shot=$(screenshot green 800x600)
    read -r r g b <<<"$(pixel "$shot" 400 300)"
    [ "$g" -gt $((r + 40)) ] && [ "$g" -gt $((b + 40)) ] ||
        fail "the triangle is not green after the colour callback: $r $g $b"

    # Reloading destroys the dialogue and builds it again from the files; its buttons work.
    click_expecting 102 120 '^reloaded: ok, 1 top-level elements$'
    click_expecting 102 48 '^callback: spin anticlockwise$'

    # A larger window keeps the interface where it was.
    mark_output
    xdotool windowsize "$DEMO_WINDOW" 1000 700
    wait_for_line '^resized to 1000 x 700$'
    click_expecting 110 50 '^callback: spin clockwise$'
    click_expecting 900 650 '^scene click at 900 650$'

    mark_output
    close_demo
    [ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS: $(cat "$WORK/stderr.txt")"
    wait_for_line '^window closed$'
}

# ---- The SDL 2 example (examples/sdl2), which links trellis without GLFW ----

# Fails when the program at PATH, or any library it loads, is GLFW, or when it names GLFW among
# the libraries it needs.
check_no_glfw() {
    ! readelf -d "$1" | grep -qi glfw ||
        fail "$(basename "$1") needs GLFW: $(readelf -d "$1" | grep -i glfw)"
    ! ldd "$1" | grep -qi glfw || fail "$(basename "$1") loads GLFW: $(ldd "$1" | grep -i glfw)"
}

# Starts the SDL example built in FOLDER, with its window focused, and waits until its interface
# is loaded in a core profile context.
start_sdl() {
    start_example "$1/trellis-sdl2" '^ready: interface 800 x 600 pixels, OpenGL .*, core profile$'
    # No window manager gives the window the keyboard: the test does.
    xdotool windowfocus --sync "$DEMO_WINDOW"
    settle
}

# Presses KEYS (xdotool key names) and waits for a new line matching PATTERN.
keys_expecting() {
    mark_output
    xdotool key --delay 50 $1
    wait_for_line "$2"
}

# Drives the SDL example built in FOLDER: a check box, typing, the clipboard, Enter, the wheel,
# the background, a resize and its Quit button. Its 800 x 600 window has 6 pixels to the unit;
# the elements (sdlDialogue.xml) are, in pixels: the check box at 24, 36 (180 x 18), the text
# field at 72, 66 (168 x 24), the scrolling panel at 24, 102 (216 x 120) and the Quit button at
# 24, 252 (96 x 30).
exercise_sdl() {
    check_no_glfw "$1/trellis-sdl2"
    start_sdl "$1"
    local shot
    # The interface is drawn in the core context, over the light background.
    window_shown() {
        shot=$(screenshot start 800x600)
        [ "$(pixel "$shot" 230 290)" = "43 49 60" ]
    }
    eventually window_shown ||
        fail "no window of the interface at (230, 290): $(pixel "$shot" 230 290)"
    read -r r g b <<<"$(pixel "$shot" 600 400)"
    [ "$b" -gt 120 ] || fail "the background is not light at first: $r $g $b"

    click_expecting 40 45 '^dark background: on$'
    settle
    shot=$(screenshot dark 800x600)
    read -r r g b <<<"$(pixel "$shot" 600 400)"
    [ "$b" -lt 20 ] || fail "the background is not dark after the check box: $r $g $b"

    # Typed text arrives as SDL_TEXTINPUT, code point by code point.
    move_to 150 78
    click 1
    mark_output
    xdotool type --delay 30 "hello sdl"
    wait_for_line '^name: hello sdl$'
    # Ctrl+A and Ctrl+C copy to SDL's clipboard; End and Ctrl+V paste it back from there.
    keys_expecting "ctrl+a ctrl+c" '^clipboard: hello sdl$'
    keys_expecting "End ctrl+v" '^name: hello sdlhello sdl$'
    keys_expecting "Return" '^submitted: hello sdlhello sdl$'
    # The interface took those clicks: the background saw none.
    ! grep -q '^background click' "$DEMO_OUT" ||
        fail "a click on the interface reached the background"

    # The wheel over the scrolling panel is the interface's, over the background the program's.
    move_to 120 160
    mark_output
    xdotool click 5
    wait_for_line '^wheel: taken by the interface$'
    click_expecting 600 400 '^background click at 600 400$'
    move_to 620 420
    mark_output
    xdotool click 5
    wait_for_line '^wheel: background$'

    # A larger window keeps the interface where it was.
    mark_output
    xdotool windowsize "$DEMO_WINDOW" 1000 700
    wait_for_line '^resized to 1000 x 700$'
    click_expecting 40 45 '^dark background: off$'
    click_expecting 900 650 '^background click at 900 650$'

    click_expecting 70 267 '^callback: quit$'
    timeout 20 tail -s 0.1 --pid="$DEMO_PID" -f /dev/null ||
        fail "the SDL example did not exit after Quit"
    DEMO_STATUS=0
    wait "$DEMO_PID" || DEMO_STATUS=$?
    DEMO_PID=
    [ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS: $(cat "$WORK/stderr.txt")"
    wait_for_line '^window closed$'
}
