#!/usr/bin/env bash
# Runs inside a private X server: starts the demo, takes screenshots, closes its window the
# way a window manager does, and reports the exit code. Argument: the build folder.
set -euo pipefail
build=$1

../trellis-demo &
demo=$!
window=$(xdotool search --sync --onlyvisible --pid "$demo" | head -n 1)
# A fresh server puts the pointer at the screen's centre; park it at the window's corner.
xdotool mousemove --sync 0 0
sleep 2
import -window root "$build/demo.png"
echo "screenshot: $build/demo.png"

"$build/tools/trellis-close-window" "$window" 2>/dev/null || kill "$demo"
status=0
wait "$demo" || status=$?
echo "trellis-demo exited with code $status"
exit "$status"
