#!/usr/bin/env bash
# Runs trellis-demo under valgrind's memcheck in a private X server while xdotool moves the
# pointer, presses, releases and clicks (50 skin switches among them) and types, then closes the
# window. Fails on any invalid access, use of an uninitialised value or definite leak whose stack
# passes through trellis; prints valgrind's summary. Builds into build-memcheck/ (with debug
# information) unless a build folder holding trellis-demo is given.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${TRELLIS_MEMCHECK_SERVER:-}" ]; then
    install_missing_packages
    build=${1:-}
    if [ -z "$build" ]; then
        build=$TRELLIS_ROOT/build-memcheck
        cmake -S "$TRELLIS_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DTRELLIS_BUILD_TESTS=OFF >/dev/null
        cmake --build "$build" -j"$(nproc)" >/dev/null
    fi
    TRELLIS_MEMCHECK_SERVER=1 exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" "$build"
fi

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'kill "${demo:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
log=$build/memcheck.log  # kept for reading after the run

# The changeSkin button's centre in window pixels, from the dialogue file: skinButton inside
# mainWindow, each rectangle snapped to whole pixels (7.68 a unit) relative to its parent.
dialogue=$(tr '\n' ' ' <"$build/run/testDialogue.xml")
attribute() { # ELEMENT-NAME ATTRIBUTE
    grep -o "<[a-z]* name=\"$1\"[^>]*>" <<<"$dialogue" | grep -o " $2=\"[^\"]*\"" | cut -d'"' -f2
}
px() { awk -v units="$1" 'BEGIN { printf "%d", int(units * 7.68 + 0.5) }'; }
skin_x=$(($(px "$(attribute mainWindow x)") + $(px "$(attribute skinButton x)") +
    $(px "$(attribute skinButton width)") / 2))
skin_y=$(($(px "$(attribute mainWindow y)") + $(px "$(attribute skinButton y)") +
    $(px "$(attribute skinButton height)") / 2))
[ "$(attribute skinButton onLeftClick)" = changeSkin ] || {
    echo "skinButton no longer switches the skin: update $0" >&2
    exit 1
}

cp -r "$build"/run/* "$work/"
xdotool mousemove 0 0
(cd "$work" && exec valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --track-origins=yes --num-callers=30 --log-file="$log" "$build/trellis-demo" >/dev/null) &
demo=$!
window=$(timeout 180 xdotool search --sync --onlyvisible --pid "$demo" | head -n 1 || true)
if [ -z "$window" ]; then
    echo "the demo's window did not appear under valgrind" >&2
    cat "$log" >&2
    exit 1
fi
# Under valgrind a frame takes a good part of a second: give the demo time between inputs.
pause() { sleep "${1:-0.5}"; }
pause 5

# Pointer sweeps across the whole window, over and between the elements.
for y in 20 60 100 140 200 300 420 560 700; do
    for x in 10 120 250 400 550 700 850 1000; do
        xdotool mousemove "$x" "$y"
        pause 0.05
    done
done
# Press on the button, leave it held, come back and release elsewhere; right and middle clicks.
xdotool mousemove "$skin_x" "$skin_y" mousedown 1
pause
xdotool mousemove 600 600
pause
xdotool mousemove "$skin_x" "$skin_y"
pause
xdotool mousemove 600 600 mouseup 1
pause
xdotool mousemove "$skin_x" "$skin_y" click 3 click 2
xdotool key a Tab Return
pause
# 50 skin switches.
for _ in $(seq 50); do
    xdotool mousemove "$skin_x" "$skin_y" click 1
    pause 0.3
done
xdotool mousemove 300 650 click 1 key b
pause 10

"$build/tools/trellis-close-window" "$window"
status=0
timeout 300 tail --pid="$demo" -f /dev/null || status=$?
wait "$demo" || status=$?
demo=
[ "$status" = 0 ] || {
    echo "the demo exited with $status" >&2
    cat "$log" >&2
    exit 1
}

# Every error and leak record is a block of lines. It is ours when the innermost frame of its
# first stack, past valgrind's own replacements and the C and C++ runtimes, lies in trellis code.
sources=$(ls "$TRELLIS_ROOT"/app/*.cpp "$TRELLIS_ROOT"/src/{gui/*,skin,dialogue,font}/*.cpp |
    xargs -n1 basename | paste -sd'|')
export OURS="[(](${sources//./[.]}):[0-9]+[)]|trellis-demo[)]"
export KINDS='Invalid (read|write|free)|uninitialised|Mismatched free|definitely lost in'
export RUNTIME='vgpreload|libstdc[+][+]|libc[.]so|ld-linux'
awk 'function judge() {
         if (block ~ ENVIRON["KINDS"] && frame ~ ENVIRON["OURS"]) print block
         block = ""; frame = ""; stack = 0
     }
     /^==[0-9]+== $/ { judge(); next }
     { block = block "\n" $0 }
     / (at|by) 0x/ && stack < 2 && frame == "" {
         stack = 1
         if ($0 !~ ENVIRON["RUNTIME"]) frame = $0
     }
     !/ (at|by) 0x/ && stack == 1 { stack = 2 }
     END { judge() }' "$log" >"$work/ours.txt"
sed -n '/HEAP SUMMARY/,$p' "$log" | sed 's/^==[0-9]*== //'
if [ -s "$work/ours.txt" ]; then
    echo "memcheck: errors or leaks in trellis code:" >&2
    cat "$work/ours.txt" >&2
    exit 1
fi
echo "memcheck: no invalid access, uninitialised use or definite leak in trellis code ($log)"
