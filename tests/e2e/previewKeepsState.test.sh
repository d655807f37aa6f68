# trellis-preview under X keeps what the user did across reloads: a window dragged elsewhere
# stays where it was put and a text typed into a field stays typed, through F2's skin change
# and a save of the dialogue, which shows its own edits beside them; the skin F2 chose stays
# too. An element the save renames is built afresh from the file.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/previewHarness.sh"
source "$(dirname "$0")/demoLayout.sh"

# The dialogue with the mover window at X, Y (units), its typed field's text TYPED, its other
# field's text NOTE and its name NAME.
dialogue() { # X Y TYPED NOTE NAME
    cat <<XML
<window name="$5" title="Drag me" x="$1" y="$2" width="40" height="20" movable="1">
    <textfield name="typedField" text="$3" x="2" y="5" width="30" height="3"/>
    <textfield name="fileField" text="$4" x="2" y="10" width="30" height="3"/>
</window>
<window name="centred" title="Centred" x="50% - 15" y="60" width="30" height="10" movable="1"/>
XML
}
# trellis-render's picture of DIALOGUE-TEXT with the test skin over the default; its path.
render() { # NAME
    local out="$WORK/$1-render.png"
    cat >"$FILES/expected.xml"
    (cd "$FILES" && "$BUILD/tools/trellis-render" expected.xml --skin-name default \
        --skin-name test -o "$out") 2>"$WORK/render.txt" ||
        fail "trellis-render failed: $(cat "$WORK/render.txt")"
    echo "$out"
}
expect_same() { # WHAT IMAGE
    local differing
    differing=$(differing_pixels "$(screenshot "$1")" "$2")
    [ "$differing" = 0 ] || fail "$1: $differing pixels differ from trellis-render's picture"
}
save() { cat >"$FILES/.keep.new" && mv "$FILES/.keep.new" "$FILES/keep.xml"; }

dialogue 10 10 Ada "from the file" mover >"$FILES/keep.xml"
(cd "$FILES" && exec "$BUILD/tools/trellis-preview" keep.xml defaultSkin.xml 2>"$ERRORS") &
DEMO_PID=$!
DEMO_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$DEMO_PID" | head -n 1)
[ -n "$DEMO_WINDOW" ] || fail "the preview's window did not appear"
wait_for_lines "showing keep.xml" 1

# Drag the mover's title bar 25 units right and 12.5 down (7.68 px a unit): to 35, 22.5.
move_to $(($(px 10) + 100)) $(($(px 10) + 8))
xdotool mousedown 1
settle 0.2
move_to $(($(px 10) + 200)) $(($(px 10) + 50))
move_to $(($(px 10) + 100 + 192)) $(($(px 10) + 8 + 96))
xdotool mouseup 1
settle
# Type at the end of the typed field, now at 37, 27.5.
move_to $(($(px 37) + 200)) $(($(px 27.5) + 11))
click 1
xdotool type --delay 20 " Lovelace"
settle

# F2 with the pointer on the background: the next skin, the window and the text kept.
move_to 950 40
xdotool key F2
wait_for_lines "showing keep.xml with skin default + test" 1
expect_same after-f2 "$(dialogue 35 22.5 "Ada Lovelace" "from the file" mover | render after-f2)"

# A save that edits the other field: its new text shows, the rest is kept.
dialogue 10 10 Ada "edited in the file" mover | save
wait_for_lines "showing keep.xml with skin default + test" 2
expect_same after-save \
    "$(dialogue 35 22.5 "Ada Lovelace" "edited in the file" mover | render after-save)"

# A save that renames the window: a new element, placed and filled as the file says.
dialogue 10 10 Ada "edited in the file" renamed | save
wait_for_lines "showing keep.xml with skin default + test" 3
expect_same renamed "$(dialogue 10 10 Ada "edited in the file" renamed | render renamed)"

close_demo_cleanly
echo "moved windows, typed texts and the chosen skin survive reloads where the element does"
