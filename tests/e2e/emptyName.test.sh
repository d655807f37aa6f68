# The real demo with a dialogue that adds a button named "" with its own colour and font size:
# the button shows its colour, but the empty-named style section, which every title bar and
# close button reads, stays empty, so after the skin change the title bars take the skin's
# colour and the button, like any unnamed element, its class colour.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/demoLayout.sh"

# The extra button at 40, 80 (units), 10 x 4: clear of the shipped elements and the debug lines.
mkdir -p "$WORK/data"
{
    cat "$BUILD/run/testDialogue.xml"
    echo '<button name="" text="E" x="40" y="80" width="10" height="4" bgColor="ff00ffff" fontSize="5"/>'
} >"$WORK/data/testDialogue.xml"
empty_x=$(($(px 40) + 8)) empty_y=$(($(px 80) + 6))

start_demo
before=$(screenshot before)
expect_skin "$before" $default_skin
expect_pixel "$before" "$empty_x" "$empty_y" ff00ff "the empty-named button's own colour"

move_to $((skin_x + skin_w / 2)) $((skin_y + skin_h / 2))
click 1
settle
after=$(screenshot after)
expect_skin "$after" $test_skin
expect_pixel "$after" "$empty_x" "$empty_y" e9a84c "the empty-named button after the skin change"

close_demo_cleanly
echo "title bars kept the skin's colour beside a button named \"\""
