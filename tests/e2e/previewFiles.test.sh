# trellis-preview and the files around the dialogue, under X: after a broken save the last good
# interface keeps its picture; saving the picture, removing it and making it again as a link
# each reload; a stream of saves with no pause still reloads while it lasts; SIGTERM, SIGINT
# and SIGHUP end the preview by that signal with its copies of the files removed.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/previewHarness.sh"
# Where the gallery's picture lies in the window, inside its frame; above the panel.
PICTURE=140x100+500+120

# Whether the window's picture is (same) or is not (differs) the first one; the screenshot is
# taken again a few times before it counts, as the preview may not have drawn the reload yet.
picture_is() { # same|differs NAME
    local tries
    for tries in 1 2 3 4 5; do
        local differing
        differing=$(differing_pixels "$(crop "$(screenshot "$2")" $PICTURE "picture-$2")" \
            "$picture")
        { [ "$1" = same ] && [ "$differing" = 0 ]; } ||
            { [ "$1" = differs ] && [ "$differing" != 0 ]; } && return 0
        settle 0.3
    done
    return 1
}

# Starts the preview of the gallery with its copies under TMPDIR=$WORK/tmp-NAME, resetting
# SIGINT, which a shell ignores for the jobs it starts in the background.
start_preview() { # NAME
    mkdir -p "$WORK/tmp-$1"
    (cd "$FILES" && TMPDIR="$WORK/tmp-$1" exec env --default-signal=INT \
        "$BUILD/tools/trellis-preview" gallery.xml defaultSkin.xml 2>"$ERRORS") &
    DEMO_PID=$!
    DEMO_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$DEMO_PID" | head -n 1)
    [ -n "$DEMO_WINDOW" ] || fail "the preview's window did not appear"
    wait_for_lines "showing gallery.xml" 1
}

# The picture as trellis-render draws the gallery, which the preview's window matches.
(cd "$FILES" && "$BUILD/tools/trellis-render" gallery.xml -o "$WORK/render.png") ||
    fail "trellis-render failed"
picture=$(crop "$WORK/render.png" $PICTURE picture-render)
[ "$(/usr/bin/convert "$picture" -format '%[fx:int(255*minima.b)]' info:)" -lt 200 ] ||
    fail "no picture at $PICTURE to begin with"
start_preview files
picture_is same good || fail "the preview does not show the picture as trellis-render draws it"

# A broken save: the last good interface comes back with its picture, not a white quad.
cp "$FILES/gallery.xml" "$WORK/good.xml"
printf '<window name="broken">\n<image src="gallery.png"\n' >"$FILES/.new" &&
    mv "$FILES/.new" "$FILES/gallery.xml"
wait_for_lines "did not load; showing the last good interface" 1
picture_is same broken || fail "the last good interface lost its picture"
cp "$WORK/good.xml" "$FILES/gallery.xml"
wait_for_lines "showing gallery.xml" 2

# The picture saved, removed, and made again as a link: each is shown.
/usr/bin/convert "$FILES/gallery.png" -negate "$WORK/negated.png"
cp "$WORK/negated.png" "$FILES/gallery.png"
wait_for_lines "showing gallery.xml" 3
picture_is differs saved || fail "the saved picture did not show"
rm "$FILES/gallery.png"
wait_for_lines "showing gallery.xml" 4
picture_is differs removed || fail "the removed picture still showed"
ln -s "$BUILD/run/gallery.png" "$FILES/gallery.png"
wait_for_lines "showing gallery.xml" 5
picture_is same linked || fail "the picture made again as a link did not show"

# A save every 15 ms or so for two seconds, written in place by the shell itself (no process
# started between saves, so no pause): reloads, good or not, come while the saves go on.
reloads() { grep -c "showing gallery.xml\|did not load" "$ERRORS" || true; }
mkfifo "$WORK/never"
exec 7<>"$WORK/never" # read -t on it waits without starting a process
good=$(<"$WORK/good.xml")
before=$(reloads)
for i in $(seq 150); do
    printf '%s\n' "${good/Element gallery/Gallery $i}" >"$FILES/gallery.xml"
    read -r -t 0.015 -u 7 || true
done
during=$(($(reloads) - before))
[ "$during" -ge 3 ] || fail "$during reloads during two seconds of saves"

# The stop signals: each ends the preview by itself, and the copies go with it.
close_demo
for signal in TERM INT HUP; do
    start_preview "$signal"
    ls -d "$WORK/tmp-$signal"/trellis-preview-* >/dev/null 2>&1 ||
        fail "no copies of the files in $WORK/tmp-$signal"
    kill "-$signal" "$DEMO_PID"
    timeout 20 tail -s 0.1 --pid="$DEMO_PID" -f /dev/null || fail "SIG$signal did not end it"
    status=0
    wait "$DEMO_PID" || status=$?
    DEMO_PID=
    [ "$status" = $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: exit status $status"
    left=$(ls -A "$WORK/tmp-$signal")
    [ -z "$left" ] || fail "SIG$signal left $left behind"
done
echo "the last good interface keeps its picture; pictures and links reload; stop signals clean up"
