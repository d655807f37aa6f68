# The real demo keeps its interface at its start-up size and place when the window is resized:
# anchored to the window's top-left corner, so that what is drawn under the pointer is what a
# click there hits.
# - 1024 x 500: the top 500 rows are those of the start-up frame; the rest, the debug lines
#   with it, is cut off.
# - 1600 x 1000: the start-up frame fills the top-left 1024 x 768 pixels, its debug lines where
#   they were (not at the larger window's bottom-right corner); all around it is black.
# - 1 x 1, then 1024 x 768 again: the start-up frame, pixel for pixel.
# At each size, clicks on blank spots change nothing, and a click on the "Change skin" button
# where it is drawn switches the skin. Each size has a fresh demo, as the skin switches once.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

# A blank spot between mainWindow (it ends at x 82 units) and toolBar (from x 88).
gap="$(px 85) $(px 30)"
# A spot on skinButton left of its centred label.
button="$((skin_x + 8)) $((skin_y + skin_h / 2))"

# Puts the pointer where no size of the window reaches, so that the window never sees it and
# every frame before the first click is the start-up one.
park_pointer() { xdotool mousemove --sync 2040 1530; }

# Gives the demo's window a new size and the demo time to draw at it.
resize_demo() {
    timeout 10 xdotool windowsize --sync "$DEMO_WINDOW" "$1" "$2" ||
        fail "the window did not take the size $1 x $2"
    settle
}

# The largest channel value in a crop of a screenshot: 0 when the crop is all black.
brightest() { /usr/bin/convert "$1" -crop "$2" +repage -format '%[max]' info:; }

# SIZE SHOT BLANK-SPOT...: the spots are black in SHOT and left clicks on them leave the skin
# alone; then skinButton is drawn where the layout puts it, and a click there switches the skin.
check_clicks() {
    local size=$1 shot=$2 spot after clicks=()
    shift 2
    for spot in "$@"; do
        # shellcheck disable=SC2086 # a spot is "x y"
        expect_pixel "$shot" $spot 000000 "blank spot at $size"
        # shellcheck disable=SC2206
        clicks+=(mousemove --sync $spot click 1)
    done
    # X queues the events; the demo takes them all at its next poll.
    xdotool "${clicks[@]}"
    settle
    after=$(screenshot "blank-clicks-$size" "$size")
    expect_skin "$after" $default_skin
    # shellcheck disable=SC2086
    expect_pixel "$after" $button 46597a "skinButton at $size"
    # shellcheck disable=SC2086
    xdotool mousemove --sync $button click 1
    settle
    expect_skin "$(screenshot "switched-$size" "$size")" $test_skin
}

# Closes the demo and checks its exit and that every click was taken by some element.
finish_demo() {
    close_demo
    [ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS after the sizes $1"
    ! grep -q "Gui didn't care" "$DEMO_OUT" || fail "an unhandled click at $1: $(cat "$DEMO_OUT")"
}

# Smaller: the start-up frame, cut at the bottom.
start_demo
park_pointer
reference=$(screenshot reference)
resize_demo 1024 500
shot=$(screenshot smaller 1024x500)
[ "$(differing_pixels "$shot" "$(crop "$reference" 1024x500+0+0 reference-top)")" = 0 ] ||
    fail "at 1024 x 500 the window does not show the top of the start-up frame"
check_clicks 1024x500 "$shot" "$gap"
finish_demo "1024 x 500"

# Larger: the start-up frame in the top-left corner, black around it.
start_demo
park_pointer
resize_demo 1600 1000
shot=$(screenshot larger 1600x1000)
[ "$(differing_pixels "$(crop "$shot" 1024x768+0+0 larger-top-left)" "$reference")" = 0 ] ||
    fail "at 1600 x 1000 the top-left 1024 x 768 pixels are not the start-up frame"
[ "$(brightest "$shot" 576x1000+1024+0)" = 0 ] && [ "$(brightest "$shot" 1024x232+0+768)" = 0 ] ||
    fail "something is drawn outside the start-up frame at 1600 x 1000"
check_clicks 1600x1000 "$shot" "$gap" "1300 100" "1300 900" "500 900"
finish_demo "1600 x 1000"

# Down to one pixel and back: the start-up frame again.
start_demo
park_pointer
resize_demo 1 1
kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo died at 1 x 1"
resize_demo 1024 768
shot=$(screenshot restored)
[ "$(differing_pixels "$shot" "$reference")" = 0 ] ||
    fail "back at 1024 x 768 the frame differs from the start-up one"
check_clicks 1024x768 "$shot" "$gap"
finish_demo "1 x 1 and 1024 x 768"
echo "the interface stays anchored top-left at 1024x500, 1600x1000, 1x1 and back; clicks agree"
