# A core-profile host on the installed package: examples/core, built with find_package(trellis)
# and with its Makefile and pkg-config, draws its own scene with a shader and a vertex array
# object left bound, and the interface over it in an OpenGL 3.3 core context; a click on the
# interface's button recolours the scene, and no GL error is seen in any frame.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

# Runs the example built in FOLDER (screenshots named after BUILT): its pixels, its click, its
# exit.
exercise_core() {
    start_example "$1/trellis-core" '^ready: interface 800 x 600 pixels, [0-9.]+ \(Core Profile\)'

    # The button in the skin's colour (6 pixels to the unit: the button spans 24..180 x 36..66),
    # the scene's triangle around its centroid.
    settle
    shot=$(screenshot "$2-start" 800x600)
    [ "$(pixel "$shot" 30 40)" = "63 74 92" ] || fail "no button at (30, 40): $(pixel "$shot" 30 40)"
    [ "$(pixel "$shot" 540 381)" = "255 128 0" ] ||
        fail "no orange scene at (540, 381): $(pixel "$shot" 540 381)"

    # Away first: a click where the pointer already is would not move it onto the button.
    move_to 700 500
    click_expecting 102 51 '^callback: recolour$'
    settle
    shot=$(screenshot "$2-recoloured" 800x600)
    [ "$(pixel "$shot" 540 381)" = "0 255 0" ] ||
        fail "the scene is not green after the click: $(pixel "$shot" 540 381)"
    [ "$(pixel "$shot" 30 40)" = "63 74 92" ] || fail "the button is gone: $(pixel "$shot" 30 40)"

    mark_output
    close_demo
    [ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS: $(cat "$WORK/stderr.txt")"
    wait_for_line '^window closed$'
    [ ! -s "$WORK/stderr.txt" ] || fail "the example complained: $(cat "$WORK/stderr.txt")"
}

install_build
build_example_cmake core
exercise_core "$WORK/core" cmake
rm -rf "$WORK/core"
build_example_make core
exercise_core "$WORK/core" make
echo "the core-profile example, built both ways, drew its scene and the interface, took its click and exited with 0"
