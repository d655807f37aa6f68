# Helpers for the end-to-end tests of trellis-preview, on top of harness.sh (sourced first):
# the shipped files copied to $FILES for the preview to show, and $ERRORS for its standard
# error, which the tests read to follow its reloads.

FILES="$WORK/files"
mkdir -p "$FILES"
cp -r "$BUILD"/run/* "$FILES/"
ERRORS="$WORK/preview-stderr.txt"

# Waits until standard error holds COUNT lines matching PATTERN (for up to 10 s).
wait_for_lines() { # PATTERN COUNT
    local waited=0
    until [ "$(grep -c -- "$1" "$ERRORS")" -ge "$2" ]; do
        [ "$waited" -lt 100 ] || fail "no line $2 matching '$1'; standard error was:
$(cat "$ERRORS")"
        sleep 0.1
        waited=$((waited + 1))
    done
    settle 0.3
}
