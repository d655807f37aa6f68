# The real demo with its shipped dialogue, which has no focusable element: Tab, Shift+Tab, typed
# characters, Space and the wheel over a button change no pixel (the focus line included) and
# print nothing.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

start_demo
# Focus a button first, so that keys have an element to go to.
move_to "$apply_x" "$apply_y"
click 1
move_to "$bare_x" "$bare_y"
before=$(screenshot before)

xdotool key Tab Tab
xdotool key shift+Tab
xdotool type "ab c"
xdotool key space Right Left
move_to "$apply_x" "$apply_y"
click 4
click 5
move_to "$bare_x" "$bare_y"
settle
after=$(screenshot after)

[ "$(differing_pixels "$before" "$after")" = 0 ] ||
    fail "$(differing_pixels "$before" "$after") pixels changed after keys and the wheel"
[ ! -s "$DEMO_OUT" ] || fail "the demo printed: $(cat "$DEMO_OUT")"
close_demo_cleanly
echo "keys, characters and the wheel left the demo's pixels and output alone"
