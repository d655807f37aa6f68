#!/usr/bin/env bash
# Runs inside a private X server: starts the demo, takes a screenshot, clicks the button that
# switches the skin and takes another, closes the window the way a window manager does, and
# reports the exit code. Argument: the build folder.
set -euo pipefail
build=$1

# The "Change skin" button of data/testDialogue.xml: its window at (6, 6) units, the button at
# (3, 6) inside it, 22 x 4 units; its centre (20, 14) units is (154, 108) pixels at 7.68 px/unit.
skin_button_x=154
skin_button_y=108

../trellis-demo &
demo=$!
window=$(xdotool search --sync --onlyvisible --pid "$demo" | head -n 1)
sleep 2
import -window root -crop 1024x768+0+0 +repage "$build/demo.png"
echo "screenshot before the skin change: $build/demo.png"

xdotool mousemove --sync "$skin_button_x" "$skin_button_y" click 1
sleep 1
import -window root -crop 1024x768+0+0 +repage "$build/demo-after.png"
echo "screenshot after the skin change:  $build/demo-after.png"

"$build/tools/trellis-close-window" "$window" 2>/dev/null || kill "$demo"
status=0
wait "$demo" || status=$?
echo "trellis-demo exited with code $status"
exit "$status"
