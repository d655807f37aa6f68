# The real demo starts, stays up, draws a frame, and exits with code 0 when its window is
# asked to close.
source "$(dirname "$0")/harness.sh"

start_demo
settle 1
kill -0 "$DEMO_PID" 2>/dev/null || fail "the demo exited on its own"
shot=$(screenshot running)
# The pointer debug line is drawn in white in the bottom-right corner.
bright=$(/usr/bin/convert "$shot" -crop 200x30+824+738 -format '%[fx:int(255*maxima.r)]' info:)
[ "$bright" -ge 200 ] || fail "no debug text in the bottom-right corner (brightest red $bright)"
close_demo_cleanly
echo "demo ran and exited with code 0"
