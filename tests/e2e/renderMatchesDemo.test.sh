# trellis-render's image of the demo's dialogue equals a screenshot of the real demo window,
# pixel for pixel, debug lines included: with the pointer on the background, hovering over a
# button, and holding the left button down on one. trellis-render runs with no display at all.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

# Renders the demo's files with trellis-render's options to $WORK/NAME-render.png, without an
# X server; prints the path.
render() { # NAME OPTION...
    local name=$1 out="$WORK/$1-render.png"
    shift
    (cd "$WORK/run" && env -u DISPLAY "$BUILD/tools/trellis-render" testDialogue.xml \
        --callback changeSkin --debug-lines "$@" -o "$out") >/dev/null 2>"$WORK/render.txt" ||
        fail "trellis-render failed: $(cat "$WORK/render.txt")"
    echo "$out"
}

# The screenshot NAME and trellis-render's image with OPTIONS must be the same picture. On a
# busy machine the demo may not have drawn the last input yet: the screenshot is taken again a
# few times before a difference counts.
expect_same() { # NAME OPTION...
    local name=$1 shot rendered differing attempt
    shift
    rendered=$(render "$name" "$@")
    for attempt in 1 2 3 4 5; do
        shot=$(screenshot "$name")
        differing=$(differing_pixels "$shot" "$rendered")
        [ "$differing" = 0 ] && return 0
        settle
    done
    fail "$name: $differing pixels differ between the demo window and trellis-render $*"
}

start_demo
# GLFW drops the first motion after the pointer enters at the window's corner (0, 0): the
# pointer enters elsewhere first.
move_to 20 600
move_to 700 500
expect_same background --pointer 700,500

# Over the Windowed button in the nested window: the hovered class is shown.
windowed_x=$(($(px 36) + $(px 33))) windowed_y=$(($(px 12) + $(px 13)))
move_to "$windowed_x" "$windowed_y"
expect_same hover --pointer "$windowed_x,$windowed_y"

# The left button held on Apply: pressed look, and Apply becomes the focus.
move_to "$apply_x" "$apply_y"
xdotool mousedown 1
settle
expect_same pressed --pointer "$apply_x,$apply_y" --press left
xdotool mouseup 1

close_demo_cleanly
echo "trellis-render equals the demo window on the background, in hover and pressed"
