# The real demo showing data/gallery.xml, driven with xdotool: with the pointer on "Option 1" in
# the scrolling panel, the wheel scrolls it out of sight and a click without moving goes to
# what the pointer is over now; "Option 1", scrolled back, is still unchecked.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

use_gallery

# galleryWindow at 4, 4 (units); optionPanel at 3, 40 in it; option1 at 1, 1 in the panel,
# 3 high, its 15 px box centred vertically at its left.
option_x=$(($(px 4) + $(px 3) + $(px 1))) option_y=$(($(px 4) + $(px 40) + $(px 1)))
box="15x15+$option_x+$((option_y + ($(px 3) - 15) / 2))"
checked() { # SHOT: the pixels of the check mark's colour in option1's box
    /usr/bin/convert "$1" -crop "$box" +repage -fill black +opaque "#8cc8ff" \
        -fill white -opaque "#8cc8ff" -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_demo
[ "$(checked "$(screenshot start)")" = 0 ] || fail "Option 1 checked at start"
move_to $((option_x + 7)) $((option_y + $(px 3) / 2))
xdotool click --repeat 4 --delay 50 5
settle
xdotool click 1
settle
xdotool click --repeat 4 --delay 50 4
settle
[ "$(checked "$(screenshot back)")" = 0 ] ||
    fail "the click after the wheel checked Option 1, scrolled out of sight"

# The same click, once the pointer moved, does check it: the box is where the test looks.
move_to $((option_x + 8)) $((option_y + $(px 3) / 2))
click 1
settle
[ "$(checked "$(screenshot clicked)")" -gt 10 ] || fail "Option 1 not checked by a click on it"
! grep -q "Gui didn't care" "$DEMO_OUT" || fail "an unhandled click: $(cat "$DEMO_OUT")"
close_demo_cleanly
echo "a click after the wheel went to what the pointer was over then, not to Option 1"
