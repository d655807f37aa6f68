# The real demo with a dialogue of one text field, driven with xdotool: a key held down repeats
# (the X server's auto-repeat), and every repeat acts as a press: holding Backspace deletes the
# whole line typed, not one character.
source "$(dirname "$0")/harness.sh"

mkdir -p "$WORK/data"
{
    echo "<window name='holder' title='Hold a key' x='12.5' y='12.5' width='50' height='20'>"
    echo "  <textfield name='entry' x='2.5' y='5' width='45' height='3.75'/>"
    echo "</window>"
} >"$WORK/data/testDialogue.xml"

# In pixels: the field at 115, 134, 346 x 29.
field_x=200 field_y=148 field_crop="346x29+115+134"

start_demo
xdotool mousemove --sync $field_x $field_y click 1
settle
empty=$(crop "$(screenshot empty)" "$field_crop" field-empty)
xdotool type --delay 20 "hold the key"
settle
typed=$(crop "$(screenshot typed)" "$field_crop" field-typed)
[ "$(differing_pixels "$empty" "$typed")" != 0 ] || fail "typing changed nothing in the field"
# Twelve characters: the repeats after the first half second go well past them.
xdotool keydown BackSpace
sleep 2.5
xdotool keyup BackSpace
field_is_empty() {
    held=$(crop "$(screenshot held)" "$field_crop" field-held)
    [ "$(differing_pixels "$empty" "$held")" = 0 ]
}
eventually field_is_empty ||
    fail "holding Backspace left text in the field ($(differing_pixels "$empty" "$held") pixels)"
[ ! -s "$DEMO_OUT" ] || fail "the demo printed: $(cat "$DEMO_OUT")"
close_demo_cleanly
echo "holding Backspace deleted every character typed"
