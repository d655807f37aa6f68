# The real demo showing data/gallery.xml (as its dialogue): dragging the volume slider's thumb
# moves it, a click on a check box checks it and gives it the focus frame, Tab moves the focus
# on to the slider whose Right key steps it, and the wheel steps the other slider. Screenshots
# show each result; nothing is unhandled and the demo exits cleanly.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

use_gallery

# Places from data/gallery.xml: galleryWindow at 4, 4 (units).
win_x=$(px 4) win_y=$(px 4)
# volumeSlider at 16, 20.5, 36 x 2, from 0 to 100 at 40; detailSlider at 16, 24.5, 0 to 10 at 3.
slider_x=$((win_x + $(px 16))) slider_w=$(px 36) slider_h=$(px 2)
volume_y=$((win_y + $(px 20.5))) detail_y=$((win_y + $(px 24.5)))
# The thumb is half as wide as the slider is high, and travels the width less its own.
thumb_w=$(((slider_h + 1) / 2))
travel=$((slider_w - thumb_w))
thumb_left() { # VALUE MAX: the screen x of the thumb's left edge
    awk -v x="$slider_x" -v w="$thumb_w" -v t="$travel" -v v="$1" -v m="$2" \
        'BEGIN { printf "%d", x + int(w / 2 + v / m * t - w / 2 + 0.5) }'
}
# snapBox at 3, 15, 30 x 3: its 15 px box centred vertically at its left.
box_x=$((win_x + $(px 3))) box_y=$((win_y + $(px 15) + ($(px 3) - 15) / 2))

expect_thumb() { # SHOT VALUE MAX Y WHAT: the thumb's colour at its middle, not a pixel left of it
    local left
    left=$(thumb_left "$2" "$3")
    expect_pixel "$1" $((left + thumb_w / 2)) $(($4 + 3)) 8596b3 "$5 thumb"
    [ "$(pixel "$1" $((left - 2)) $(($4 + 3)))" != "$(rgb 8596b3)" ] || fail "$5 thumb too wide"
}
# The number of pixels of colour HEX in the crop GEOMETRY of a screenshot.
count_colour() {
    /usr/bin/convert "$1" -crop "$2" +repage -fill black +opaque "#$3" -fill white -opaque "#$3" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_demo
before=$(screenshot before)
expect_thumb "$before" 40 100 "$volume_y" "volume"
expect_thumb "$before" 3 10 "$detail_y" "detail"
[ "$(count_colour "$before" "15x15+$box_x+$box_y" 8cc8ff)" = 0 ] || fail "snapBox checked at start"

# Drag the volume thumb 67 px right: 25 of 100 more.
grab_x=$(($(thumb_left 40 100) + thumb_w / 2))
move_to "$grab_x" $((volume_y + slider_h / 2))
xdotool mousedown 1
settle 0.2
move_to $((grab_x + 30)) $((volume_y + 40))
move_to $((grab_x + travel / 4)) $((volume_y + slider_h / 2))
xdotool mouseup 1
settle

# Click the snapBox's caption: checked, and the focus frame around it.
move_to $((box_x + 60)) $((box_y + 7))
click 1
settle
dragged=$(screenshot dragged)
expect_thumb "$dragged" 65 100 "$volume_y" "dragged volume"
[ "$(count_colour "$dragged" "15x15+$box_x+$box_y" 8cc8ff)" -gt 10 ] || fail "snapBox not checked"
[ "$(count_colour "$dragged" "$(px 30)x1+$box_x+$((win_y + $(px 15) - 2))" ffbf00)" -gt 100 ] ||
    fail "no focus frame above snapBox"

# Tab: the focus goes on to the volume slider; Right steps it by a twentieth.
xdotool key Tab
settle 0.2
xdotool key Right
settle 0.2
# The wheel, one notch up over the detail slider: 3 becomes 4.
move_to $((slider_x + slider_w - 20)) $((detail_y + slider_h / 2))
click 4
settle
keyed=$(screenshot keyed)
expect_thumb "$keyed" 70 100 "$volume_y" "stepped volume"
expect_thumb "$keyed" 4 10 "$detail_y" "wheeled detail"
[ "$(count_colour "$keyed" "$(px 30)x1+$box_x+$((win_y + $(px 15) - 2))" ffbf00)" = 0 ] ||
    fail "the focus frame stayed on snapBox"

! grep -q "Gui didn't care" "$DEMO_OUT" || fail "an unhandled click: $(cat "$DEMO_OUT")"
close_demo_cleanly
echo "slider dragged, stepped by key and wheel; check box checked and focused; exit code 0"
