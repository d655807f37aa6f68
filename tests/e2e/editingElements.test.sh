# The real demo with a dialogue of a movable, closable window holding a text field and a
# scrolling panel, driven with xdotool: typing, copy and paste, and deleting in the field;
# the wheel and the scroll bar in the panel; dragging the window by its title bar and closing
# it. The screenshots are kept in the build folder (e2e-screenshots/editingElements-*.png).
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

mkdir -p "$WORK/data"
{
    echo "<window name='mover' title='Move me' x='12.5' y='12.5' width='50' height='50'"
    echo "        movable='1' closable='1'>"
    echo "  <textfield name='entry' x='2.5' y='5' width='45' height='3.75'/>"
    echo "  <panel name='list' scroll='1' x='2.5' y='12.5' width='45' height='25' bgColor='101010ff'>"
    for i in 0 1 2 3 4 5 6 7; do
        echo "    <button name='item$i' text='Item $i' x='1' y='$((1 + 6 * i))' width='30' height='5'/>"
    done
    echo "  </panel>"
    echo "</window>"
} >"$WORK/data/testDialogue.xml"

# In pixels: the window at 96, 96, 384 square, its title bar 19 high, its close button ending
# one pixel in from the right; the field at 115, 134, 346 x 29; the panel at 115, 192,
# 346 x 192, its 12-pixel bar at the right, the thumb 98 pixels long at first.
field_x=200 field_y=148 field_crop="346x29+115+134"
panel_x=250 panel_y=300 panel_crop="334x192+115+192"
thumb_x=455
title_x=200 title_y=105 title_spot_x=400 title_spot_y=100
background_x=1000 background_y=20

shots="$BUILD/e2e-screenshots"
mkdir -p "$shots"
keep() { cp "$1" "$shots/editingElements-$2.png"; }

same() { [ "$(differing_pixels "$1" "$2")" = 0 ]; }

start_demo
start=$(screenshot start)
keep "$start" start
title_rgb=$(pixel "$start" $title_spot_x $title_spot_y)
background_rgb=$(pixel "$start" $background_x $background_y)
[ "$title_rgb" != "$background_rgb" ] || fail "no title bar at $title_spot_x,$title_spot_y"

# Typing into the field, then copying all of it and pasting it after itself.
move_to $field_x $field_y
click 1
focused=$(crop "$(screenshot focused)" "$field_crop" field-focused)
xdotool type --delay 20 "hello trellis"
settle
typed_shot=$(screenshot typed)
keep "$typed_shot" typed
typed=$(crop "$typed_shot" "$field_crop" field-typed)
! same "$focused" "$typed" || fail "typing changed nothing in the field"
xdotool key ctrl+a ctrl+c End ctrl+v
settle
pasted_shot=$(screenshot pasted)
keep "$pasted_shot" pasted
pasted=$(crop "$pasted_shot" "$field_crop" field-pasted)
! same "$typed" "$pasted" || fail "pasting changed nothing in the field"
# Everything deleted: the field looks as it did, focused and empty.
xdotool key ctrl+a BackSpace
settle
emptied=$(crop "$(screenshot emptied)" "$field_crop" field-emptied)
same "$focused" "$emptied" || fail "the emptied field differs from the field before typing"

# The wheel over the panel scrolls it; dragging the thumb to the top brings it back.
list_before=$(crop "$start" "$panel_crop" list-before)
move_to $panel_x $panel_y
xdotool click --repeat 3 --delay 50 5
settle
wheeled_shot=$(screenshot wheeled)
keep "$wheeled_shot" wheeled
! same "$list_before" "$(crop "$wheeled_shot" "$panel_crop" list-wheeled)" ||
    fail "the wheel did not scroll the panel"
move_to $thumb_x 230
xdotool mousedown 1 mousemove --sync $thumb_x 100 mouseup 1
settle
same "$list_before" "$(crop "$(screenshot unwheeled)" "$panel_crop" list-top)" ||
    fail "dragging the thumb to the top did not scroll the panel back"

# Dragging the title bar moves the window by the pointer's travel.
move_to $title_x $title_y
xdotool mousedown 1 mousemove --sync 350 205 mousemove --sync 500 305 mouseup 1
settle
moved=$(screenshot moved)
keep "$moved" moved
[ "$(pixel "$moved" $title_spot_x $title_spot_y)" = "$background_rgb" ] ||
    fail "the title bar is still at its old place"
[ "$(pixel "$moved" $((title_spot_x + 300)) $((title_spot_y + 200)))" = "$title_rgb" ] ||
    fail "the title bar is not 300, 200 pixels further"

# The close button hides the window.
move_to $((470 + 300)) $((105 + 200))
click 1
closed=$(screenshot closed)
keep "$closed" closed
[ "$(pixel "$closed" 600 400)" = "$background_rgb" ] || fail "the window is still shown"

! grep -q "Gui didn't care" "$DEMO_OUT" || fail "an unhandled click: $(cat "$DEMO_OUT")"
close_demo_cleanly
echo "typed, pasted and emptied the field, scrolled the panel, moved and closed the window"
