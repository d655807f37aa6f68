# The real demo, when it cannot have its window, says so in one line on standard error, with the
# window library's own reason, writes nothing on standard output and exits with a failure code
# (not a crash, not success), whether or not its data files are at hand: without a display,
# with a display that no server answers, and on a server without OpenGL (GLX), where the
# library starts but the window cannot be created.
source "$(dirname "$0")/harness.sh"

# A private server without the GLX extension; -displayfd lets it pick a free display itself.
Xvfb -displayfd 3 -screen 0 640x480x24 -extension GLX -nolisten tcp 3>"$WORK/glxless" \
    2>/dev/null &
glxless_pid=$!
trap 'kill "$glxless_pid" 2>/dev/null || true; rm -rf "$WORK"' EXIT
for _ in $(seq 50); do
    [ -s "$WORK/glxless" ] && break
    sleep 0.1
done
glxless_display=:$(head -n 1 "$WORK/glxless")
[ "$glxless_display" != : ] || fail "the server without GLX did not start"

# A display number no server listens on, looked for once the server above holds its own.
free_display=99
while [ -e "/tmp/.X11-unix/X$free_display" ] || [ -e "/tmp/.X$free_display-lock" ]; do
    free_display=$((free_display + 1))
done

mkdir -p "$WORK/run" "$WORK/empty"
cp -r "$BUILD"/run/* "$WORK/run/"

# FOLDER DISPLAY REASON: runs the demo in FOLDER with DISPLAY set (unset when "-") and checks
# its refusal, whose reason must contain REASON.
expect_refusal() {
    local status=0 display=()
    [ "$2" = - ] && display=(-u DISPLAY) || display=(DISPLAY="$2")
    (cd "$WORK/$1" && exec timeout 20 env "${display[@]}" "$BUILD/trellis-demo") \
        >"$WORK/out" 2>"$WORK/err" || status=$?
    local where="in $1 with DISPLAY $2"
    [ "$status" != 124 ] || fail "the demo hung $where"
    [ "$status" != 0 ] || fail "exit code 0 without a window $where"
    [ "$status" -lt 128 ] || fail "the demo died of signal $((status - 128)) $where"
    [ ! -s "$WORK/out" ] || fail "standard output $where: $(cat "$WORK/out")"
    [ "$(wc -l <"$WORK/err")" = 1 ] || fail "not one line on standard error $where: $(cat "$WORK/err")"
    grep -q "^trellis-demo: cannot open the window: .*$3" "$WORK/err" ||
        fail "no clear reason $where: $(cat "$WORK/err")"
}

for folder in run empty; do
    expect_refusal "$folder" - "DISPLAY"
    expect_refusal "$folder" ":$free_display" "Failed to open display"
    expect_refusal "$folder" "$glxless_display" "GLX"
done
echo "without a usable display: one line on standard error, nothing on standard output, exit 1"
