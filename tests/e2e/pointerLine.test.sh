# The real demo's pointer debug line follows the pointer, every click anywhere in the window is
# taken by some element (nothing reaches the "Gui didn't care" fallback), and closing the window
# still ends the demo with code 0.
source "$(dirname "$0")/harness.sh"

# The debug lines sit right-aligned in the bottom-right corner: the focus element's name at
# y = 94..96 units (pixels 722..737 of 768), the pointer "x / y" at 97..99 (745..760).
crop_shot() {
    local out="$WORK/$3.ppm"
    /usr/bin/convert "$1" -crop "$2" +repage "$out"
    echo "$out"
}
crop_pointer_line() { crop_shot "$1" 320x22+704+742 "$2"; }
crop_focus_line() { crop_shot "$1" 320x16+704+722 "$2"; }

pointer_line_at() {
    move_to "$1" "$2"
    crop_pointer_line "$(screenshot "at-$1-$2")" "line-$1-$2"
}

start_demo
shot=$(screenshot start)
first=$(crop_pointer_line "$shot" line-start)
no_focus=$(crop_focus_line "$shot" focus-start)
bright=$(/usr/bin/convert "$first" -format '%[fx:int(255*maxima.r)]' info:)
[ "$bright" -ge 200 ] || fail "no pointer line in the bottom-right corner (brightest red $bright)"

# GLFW 3.3 on X drops a motion event to exactly (0, 0) of the window, so the corner is avoided.
here=$(pointer_line_at 500 300)
cmp -s "$first" "$here" && fail "the pointer line did not change when the pointer moved"
there=$(pointer_line_at 300 500)
cmp -s "$here" "$there" && fail "the pointer line shows the same text at two positions"
again=$(pointer_line_at 500 300)
cmp -s "$here" "$again" || fail "the pointer line differs at the same position"

# Left, middle and right clicks on the corners and the background, then over the shipped
# dialogue's title bars, window bodies, buttons and close boxes (the last one closes a window),
# then a press and a release at different places.
for spot in "1 1" "0 767" "1023 0" "1023 767" "512 384" "860 640" "150 56" "300 250" \
    "200 152" "436 146" "436 238" "348 340" "828 68" "744 142" "500 110" "590 100"; do
    # X queues the events; the demo takes them all at its next poll.
    xdotool mousemove --sync $spot click 1 click 2 click 3
done
move_to 200 150
xdotool mousedown 1
move_to 800 600
xdotool mouseup 1
settle

kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited during the clicks"
# The left presses gave the demo a focus element, so the clicks did arrive.
focus=$(crop_focus_line "$(screenshot clicked)" focus-clicked)
cmp -s "$no_focus" "$focus" && fail "no focus line after the clicks: did they reach the demo?"
close_demo_cleanly
if grep -q "Gui didn't care" "$DEMO_OUT"; then
    fail "$(grep -c "Gui didn't care" "$DEMO_OUT") button events reached no element"
fi
echo "the pointer line follows the pointer; every click was taken; exit code 0"
