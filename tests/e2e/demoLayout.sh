# Where the shipped dialogue's elements are drawn at start-up and the colours each skin gives
# them, for end-to-end tests. Sourced after harness.sh.

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
# The two skins' window, title and button colours, for expect_skin.
default_skin="283241 3a5f95 46597a"
test_skin="f4e1bc a3442b e9a84c"
