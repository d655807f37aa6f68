# The real demo with its shipped data: holding the left button on the changeSkin button shows
# the pressed look, releasing it switches every element to the "test" skin and relabels the
# button "Pushover", a click on the background moves the focus to GuiRoot, no click goes
# unhandled, and closing the window exits with code 0.
source "$(dirname "$0")/harness.sh"

# Screen units to whole pixels as the toolkit snaps them at 768 pixels high (7.68 px a unit).
px() { awk -v units="$1" 'BEGIN { printf "%d", int(units * 7.68 + 0.5) }'; }

# Places, from data/testDialogue.xml (each element snapped relative to its parent):
# mainWindow at 6, 6 (units), 76 x 44, titled; its title bar is 19 px high.
win_x=$(px 6) win_y=$(px 6)
# skinButton at 3, 6 in mainWindow, 22 x 4, bound to changeSkin.
skin_x=$((win_x + $(px 3))) skin_y=$((win_y + $(px 6))) skin_w=$(px 22) skin_h=$(px 4)
# applyButton at 3, 12 in mainWindow; a spot left of its centred label.
apply_x=$((win_x + $(px 3) + 8)) apply_y=$((win_y + $(px 12) + $(px 2)))
# saveButton at 30, 35 in mainWindow, with its own bgColor; a spot in its top-left corner.
save_x=$((win_x + $(px 30) + 8)) save_y=$((win_y + $(px 35) + 6))
# Bare window: below the left column of buttons (they end at y 22), inside mainWindow.
bare_x=$((win_x + $(px 10))) bare_y=$((win_y + $(px 35)))
# Title bar: right of its caption, above the close button's bottom.
title_x=$((win_x + $(px 40))) title_y=$((win_y + 4))
# toolBar, the frameless window at 88, 6 (units): its top-left corner, outside its buttons.
tool_x=$(($(px 88) + 2)) tool_y=$(($(px 6) + 2))
# Background: nothing of the dialogue at 30, 80 (units).
background_x=$(px 30) background_y=$(px 80)
# The focus debug line: y 94 to 96 units, right-aligned at x 132 units, on black.
focus_crop="$(($(px 133.33) - $(px 100)))x$(($(px 96.5) - $(px 93.5)))+$(px 100)+$(px 93.5)"
# The label inside skinButton, three pixels in from its edges to leave the bevel out.
label_w=$((skin_w - 6)) label_h=$((skin_h - 6))

# Colours as "r g b", from data/defaultSkin.xml and the saveButton's own bgColor.
rgb() { printf '%d %d %d' "0x${1:0:2}" "0x${1:2:2}" "0x${1:4:2}"; }
expect_pixel() { # SHOT X Y HEX WHAT
    local seen
    seen=$(pixel "$1" "$2" "$3")
    [ "$seen" = "$(rgb "$4")" ] || fail "$5 at $2,$3 is $seen, expected $(rgb "$4")"
}
expect_skin() { # SHOT WINDOW TITLE BUTTON: the colours every element of one skin shows
    expect_pixel "$1" "$bare_x" "$bare_y" "$2" "window background"
    expect_pixel "$1" "$tool_x" "$tool_y" "$2" "frameless window"
    expect_pixel "$1" "$title_x" "$title_y" "$3" "title bar"
    expect_pixel "$1" "$apply_x" "$apply_y" "$4" "button"
    expect_pixel "$1" "$save_x" "$save_y" 2f8a57 "saveButton's own colour"
}

# A crop of a screenshot: SHOT GEOMETRY NAME; prints the crop's path.
crop() {
    /usr/bin/convert "$1" -crop "$2" +repage "$WORK/$3.png"
    echo "$WORK/$3.png"
}
# "width left" of what differs from the corner colour in a crop (text on a flat ground);
# "0 ..." when nothing does.
lit_box() {
    /usr/bin/convert "$1" -fuzz 20% -format '%@\n' info: 2>/dev/null | sed 's/x[0-9]*+/ /; s/+.*//'
}
differing_pixels() {
    /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 || true
}

start_demo
before=$(screenshot before)
expect_skin "$before" 283241 3a5f95 46597a
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
expect_skin "$after" f4e1bc a3442b e9a84c
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
close_demo
[ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS"
echo "skin switched, button relabelled, focus moved to GuiRoot, exit code 0"
