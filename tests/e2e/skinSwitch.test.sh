# The real demo with its shipped data: holding the left button on the changeSkin button shows
# the pressed look, releasing it switches every element to the "test" skin and relabels the
# button "Pushover", a click on the background moves the focus to GuiRoot, no click goes
# unhandled, and closing the window exits with code 0.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

# Background: nothing of the dialogue at 30, 80 (units).
background_x=$(px 30) background_y=$(px 80)
# The focus debug line: y 94 to 96 units, right-aligned at x 132 units, on black.
focus_crop="$(($(px 133.33) - $(px 100)))x$(($(px 96.5) - $(px 93.5)))+$(px 100)+$(px 93.5)"
# The label inside skinButton, three pixels in from its edges to leave the bevel out.
label_w=$((skin_w - 6)) label_h=$((skin_h - 6))

# "width left" of what differs from the corner colour in a crop (text on a flat ground);
# "0 ..." when nothing does.
lit_box() {
    /usr/bin/convert "$1" -fuzz 20% -format '%@\n' info: 2>/dev/null | sed 's/x[0-9]*+/ /; s/+.*//'
}

start_demo
before=$(screenshot before)
expect_skin "$before" $default_skin
read -r focus_w_before _ < <(lit_box "$(crop "$before" "$focus_crop" focus-before)")
[ "$focus_w_before" = 0 ] || fail "a focus line before any press"

# Press and hold: the button moves one pixel right and down, its label with it.
move_to $((skin_x + skin_w / 2)) $((skin_y + skin_h / 2))
xdotool mousedown 1
settle
pressed=$(screenshot pressed)
resting_label=$(crop "$before" "${label_w}x${label_h}+$((skin_x + 3))+$((skin_y + 3))" resting)
moved_label=$(crop "$pressed" "${label_w}x${label_h}+$((skin_x + 4))+$((skin_y + 4))" moved)
unmoved_label=$(crop "$pressed" "${label_w}x${label_h}+$((skin_x + 3))+$((skin_y + 3))" unmoved)
[ "$(differing_pixels "$resting_label" "$moved_label")" = 0 ] ||
    fail "the pressed button is not the resting one moved by one pixel"
[ "$(differing_pixels "$resting_label" "$unmoved_label")" != 0 ] || fail "no pressed look"

# Release over the button: a click.
xdotool mouseup 1
settle
after=$(screenshot after)
expect_skin "$after" $test_skin
read -r old_w old_left < <(lit_box "$resting_label")
read -r new_w new_left < <(lit_box "$(crop "$after" "${label_w}x${label_h}+$((skin_x + 3))+$((skin_y + 3))" relabelled)")
# "Pushover" is narrower than "Change skin"; both stay centred.
[ "$new_w" -gt 0 ] && [ "$new_w" -lt $((old_w - 8)) ] ||
    fail "label width $old_w became $new_w, not the narrower Pushover"
margin=$((label_w - new_w - 2 * new_left))
[ "${margin#-}" -le 2 ] || fail "the new label is off centre by $margin pixels"
read -r focus_w_button focus_left_button < <(lit_box "$(crop "$after" "$focus_crop" focus-button)")
[ "$focus_w_button" -gt 0 ] || fail "no focus line after the click"

# A click on the background makes the root the focus: a shorter name, still right-aligned.
move_to "$background_x" "$background_y"
click 1
background=$(screenshot background)
read -r focus_w_root focus_left_root < <(lit_box "$(crop "$background" "$focus_crop" focus-root)")
[ "$focus_w_root" -gt 0 ] && [ "$focus_w_root" -lt "$focus_w_button" ] ||
    fail "focus line width $focus_w_button became $focus_w_root, not the shorter GuiRoot"
right_shift=$(((focus_left_root + focus_w_root) - (focus_left_button + focus_w_button)))
[ "${right_shift#-}" -le 1 ] || fail "the focus line's right edge moved by $right_shift pixels"

! grep -q "Gui didn't care" "$DEMO_OUT" || fail "an unhandled click: $(cat "$DEMO_OUT")"
close_demo_cleanly
echo "skin switched, button relabelled, focus moved to GuiRoot, exit code 0"
