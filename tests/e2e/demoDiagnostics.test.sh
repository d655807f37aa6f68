# The demo prints each mistake in its files on standard error, as a compiler prints one, and
# nothing for its shipped files; it draws what it drew before, and its standard output is the
# same, with or without the mistake.
source "$(dirname "$0")/harness.sh"

start_demo
clean=$(screenshot clean)
close_demo
[ ! -s "$WORK/stderr.txt" ] || fail "the shipped files gave diagnostics: $(cat "$WORK/stderr.txt")"
clean_out=$(cat "$DEMO_OUT")

# An attribute nobody reads, on the button straight under the root (line 36 of the file).
mkdir -p "$WORK/data"
sed 's|<button name="helpButton"|<button name="helpButton" colour="red"|' \
    "$BUILD/run/testDialogue.xml" >"$WORK/data/testDialogue.xml"
start_demo
broken=$(screenshot broken)
close_demo
expected='testDialogue.xml:36:1: warning: unknown attribute "colour" on <button name="helpButton">; ignored'
[ "$(cat "$WORK/stderr.txt")" = "$expected" ] ||
    fail "standard error was: $(cat "$WORK/stderr.txt")"
[ "$(cat "$DEMO_OUT")" = "$clean_out" ] || fail "standard output changed: $(cat "$DEMO_OUT")"
[ "$(differing_pixels "$clean" "$broken")" = 0 ] || fail "the ignored attribute changed pixels"
[ "$DEMO_STATUS" = 0 ] || fail "exit code $DEMO_STATUS"
echo "the demo reported the mistake on standard error and drew the same picture"
