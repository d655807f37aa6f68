# trellis-preview under X: it shows the dialogue as trellis-render draws it; a dialogue saved by
# rename and a skin written in place show at once; a broken save lists its diagnostics on
# screen and on standard error over the last good interface, which stays; F3 moves the panel
# and F4 folds it; F2 shows the next skin; closing the window exits with 0.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/previewHarness.sh"

# trellis-render's picture of the files as they are now, with OPTIONS; prints its path.
render() { # NAME OPTION...
    local out="$WORK/$1-render.png"
    shift
    (cd "$FILES" && "$BUILD/tools/trellis-render" testDialogue.xml --callback changeSkin \
        "$@" -o "$out") 2>"$WORK/render.txt" || fail "trellis-render failed: $(cat "$WORK/render.txt")"
    echo "$out"
}

expect_same() { # SHOT IMAGE WHAT
    local differing
    differing=$(differing_pixels "$1" "$2")
    [ "$differing" = 0 ] || fail "$3: $differing pixels differ from trellis-render's picture"
}

# Saves STDIN as FILE the way many editors do: a new file renamed over the old one.
save_by_rename() { cat >"$FILES/.$1.new" && mv "$FILES/.$1.new" "$FILES/$1"; }

(cd "$FILES" && exec "$BUILD/tools/trellis-preview" testDialogue.xml defaultSkin.xml \
    --callback changeSkin 2>"$ERRORS") &
DEMO_PID=$!
DEMO_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$DEMO_PID" | head -n 1)
[ -n "$DEMO_WINDOW" ] || fail "the preview's window did not appear"
wait_for_lines "showing testDialogue.xml" 1
first=$(screenshot first)
expect_same "$first" "$(render first)" "at start"

# A dialogue saved by rename: a button's caption changes.
sed 's/text="Apply"/text="Apply all"/' "$FILES/testDialogue.xml" | save_by_rename testDialogue.xml
wait_for_lines "showing testDialogue.xml" 2
edited=$(screenshot edited)
[ "$(differing_pixels "$first" "$edited")" != 0 ] || fail "the edited dialogue did not show"
expect_same "$edited" "$(render edited)" "after the dialogue's save"

# A skin written in place: the buttons change colour.
sed -i 's/46597aff/7a4659ff/' "$FILES/defaultSkin.xml"
wait_for_lines "showing testDialogue.xml" 3
reskinned=$(screenshot reskinned)
expect_same "$reskinned" "$(render reskinned)" "after the skin's save"

# A broken save: the interface stays as it was, the panel at the bottom lists what is wrong.
cp "$FILES/testDialogue.xml" "$WORK/good.xml"
printf '<window name="broken" x="1" y="1" width="10" height="10">\n<button text="open"\n' |
    save_by_rename testDialogue.xml
wait_for_lines "did not load; showing the last good interface" 1
grep -q "error: cannot load the dialogue testDialogue.xml" "$ERRORS" &&
    grep -Eq "^testDialogue.xml:2:[0-9]+: error: " "$ERRORS" ||
    fail "no diagnostic for the broken dialogue on standard error: $(cat "$ERRORS")"
broken=$(screenshot broken)
# The panel covers the bottom of the window; above it the last good interface is unchanged.
[ "$(differing_pixels "$(crop "$broken" 1024x568+0+0 kept)" \
    "$(crop "$reskinned" 1024x568+0+0 before)")" = 0 ] || fail "the last good interface did not stay"
lit=$(/usr/bin/convert "$(crop "$broken" 1024x120+0+648 panel-text)" -fuzz 5% -fill black \
    -opaque black -format '%[fx:int(255*maxima.r)]' info:)
[ "$lit" -ge 200 ] || fail "no diagnostics drawn at the bottom of the window (brightest $lit)"
[ "$(differing_pixels "$broken" "$reskinned")" != 0 ] || fail "no diagnostics panel on screen"

# Whether the window, from row TOP for HEIGHT rows, shows the last good interface unchanged.
interface_between() { # NAME TOP HEIGHT
    [ "$(differing_pixels "$(crop "$(screenshot "$1")" "1024x$3+0+$2" "$1-part")" \
        "$(crop "$reskinned" "1024x$3+0+$2" "$1-before")")" = 0 ]
}
# F3 moves the panel to the top, F4 folds it to one line there, F3 takes it back down folded;
# F4 unfolds it as it was.
xdotool key F3
settle
interface_between top 200 568 || fail "F3 did not move the panel off the bottom"
xdotool key F4
settle
interface_between top-folded 40 728 || fail "F4 did not fold the panel to one line"
xdotool key F3
settle
interface_between bottom-folded 0 728 || fail "the folded panel did not go back down"
xdotool key F4
settle
[ "$(differing_pixels "$(screenshot unfolded)" "$broken")" = 0 ] || fail "F4 did not unfold it"

# Mended again: the panel goes.
save_by_rename testDialogue.xml <"$WORK/good.xml"
wait_for_lines "showing testDialogue.xml" 4
expect_same "$(screenshot mended)" "$WORK/reskinned-render.png" "after mending the dialogue"

# F2, with the pointer on the background: the next skin of the file, over the first.
move_to 900 600
xdotool key F2
wait_for_lines "showing testDialogue.xml with skin default + test" 1
expect_same "$(screenshot test-skin)" "$(render test-skin --skin-name default --skin-name test)" \
    "after F2"
shown_alone=$(grep -c "with skin default$" "$ERRORS")
xdotool key F2
wait_for_lines "showing testDialogue.xml with skin default$" $((shown_alone + 1))

close_demo_cleanly
echo "preview reloads on save, keeps the last good interface with diagnostics, F2 switches skin"
