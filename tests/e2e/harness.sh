# Helpers for end-to-end tests that drive the real trellis-demo. Sourced by tests/e2e/*.test.sh,
# which CTest runs with the build folder as the first argument. Each test runs under its own
# private X server, so tests never share a screen or a pointer.
set -euo pipefail

if [ -z "${TRELLIS_E2E_SERVER:-}" ]; then
    # The screen is larger than the window, which sits at its top-left corner, so that the
    # pointer starts outside the window, at the screen's centre.
    TRELLIS_E2E_SERVER=1 exec xvfb-run -a -s '-screen 0 2048x1536x24' bash "$0" "$@"
fi

BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
trap 'kill "${DEMO_PID:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    # What the program said on its way out (a sanitizer's report, an assertion) is the first
    # thing to read when a run fails where no one watched it.
    if [ -s "$WORK/stderr.txt" ]; then
        echo "its standard error ended with:" >&2
        tail -n 30 "$WORK/stderr.txt" >&2
    fi
    exit 1
}

# Starts the demo in a fresh folder holding the shipped data, with the pointer outside its
# window. Files that a test wrote to $WORK/data beforehand replace the shipped ones of the same
# name. Sets DEMO_PID, DEMO_WINDOW and DEMO_OUT (its standard output).
start_demo() {
    mkdir -p "$WORK/run"
    cp -r "$BUILD"/run/* "$WORK/run/"
    if [ -d "$WORK/data" ]; then cp "$WORK/data"/* "$WORK/run/"; fi
    DEMO_OUT="$WORK/stdout.txt"
    (cd "$WORK/run" && exec "$BUILD/trellis-demo" >"$DEMO_OUT" 2>"$WORK/stderr.txt") &
    DEMO_PID=$!
    DEMO_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$DEMO_PID" | head -n 1)
    [ -n "$DEMO_WINDOW" ] || fail "the demo's window did not appear"
    settle
}

# Gives the demo a few frames to catch up with the input sent so far.
settle() { sleep "${1:-0.4}"; }

# Runs COMMAND... until it succeeds, for up to 10 s: for what a slow (sanitized, loaded) program
# shows only once it has caught up. Returns the last run's status.
eventually() {
    local tries
    for tries in $(seq 50); do
        "$@" && return 0
        sleep 0.2
    done
    "$@"
}

# Saves a screenshot of the window's area (WIDTHxHEIGHT at the screen's top-left corner, where
# the window sits; 1024x768 when not given) to $WORK/NAME.png and prints the path.
screenshot() {
    local file="$WORK/$1.png"
    import -window root -crop "${2:-1024x768}+0+0" +repage "$file"
    echo "$file"
}

# Saves a screenshot as screenshot does, once the window shows a picture (more than one colour)
# that holds still between two shots; prints the path.
steady_screenshot() {
    local before after tries
    before=$(screenshot "$1-before" "${2:-}")
    for tries in $(seq 30); do
        sleep 0.3
        after=$(screenshot "$1" "${2:-}")
        if [ "$(differing_pixels "$before" "$after")" = 0 ] &&
            [ "$(/usr/bin/identify -format %k "$after")" -gt 1 ]; then
            break
        fi
        cp "$after" "$before"
    done
    echo "$after"
}

# A crop of a screenshot: SHOT GEOMETRY NAME; prints the crop's path.
crop() {
    /usr/bin/convert "$1" -crop "$2" +repage "$WORK/$3.png"
    echo "$WORK/$3.png"
}

# The number of pixels in which two images of one size differ.
differing_pixels() {
    /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 || true
}

# Prints "r g b" of pixel (X, Y) of a screenshot. The first read of a screenshot unpacks it to
# raw bytes beside it, which later reads pick from directly (until the screenshot is replaced).
pixel() {
    if [ ! "$1.rgb" -nt "$1" ]; then
        /usr/bin/convert "$1" -depth 8 "rgb:$1.rgb"
        /usr/bin/identify -format %w "$1" >"$1.width"
    fi
    # Unquoted, so that od's padded columns come out as "r g b".
    echo $(od -An -tu1 -N3 -j $((($3 * $(<"$1.width") + $2) * 3)) "$1.rgb")
}

# Moves the pointer to window pixel (X, Y) and waits for the demo to see it.
move_to() {
    xdotool mousemove --sync "$1" "$2"
    settle 0.2
}

# Clicks mouse button N (1 left, 2 middle, 3 right) where the pointer is.
click() {
    xdotool click "${1:-1}"
    settle 0.2
}

# Asks the window to close as a window manager does; sets DEMO_STATUS to the demo's exit code.
close_demo() {
    "$BUILD/tools/trellis-close-window" "$DEMO_WINDOW"
    timeout 20 tail -s 0.1 --pid="$DEMO_PID" -f /dev/null || fail "the demo did not exit after close"
    DEMO_STATUS=0
    wait "$DEMO_PID" || DEMO_STATUS=$?
    DEMO_PID=
}

# Closes the demo as close_demo does, and fails unless it exited with 0.
close_demo_cleanly() {
    close_demo
    [ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS"
}

# Makes the demo show data/gallery.xml, with its picture, as its dialogue.
use_gallery() {
    local data
    data=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../data" && pwd)
    mkdir -p "$WORK/data"
    cp "$data/gallery.xml" "$WORK/data/testDialogue.xml"
    cp "$data/gallery.png" "$WORK/data/"
}
