# What `cmake --install` ships: the public headers and no internal ones, the CMake package and
# pkg-config file, the font baker, the linter, the renderer (whose picture of the installed demo
# files is the golden one) and the preview, the font and the demo's files; and the installed
# trellis-demo command, started from an unrelated folder, draws exactly what the built demo
# draws in its run folder, and exits with code 0 when its window is closed.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/installed.sh"

install_build
for file in include/trellis/gui/Button.h include/trellis/shell/Host.h \
    share/trellis/verdana.glf share/trellis/defaultSkin.xml share/trellis/testDialogue.xml \
    bin/trellis-fontbake bin/trellis-lint bin/trellis-render bin/trellis-preview \
    bin/trellis-demo; do
    [ -e "$PREFIX/$file" ] || fail "$file is not installed"
done
[ -n "$(find "$PREFIX" -path '*/cmake/trellis/trellisConfig.cmake')" ] || fail "no CMake package"
[ -n "$PKG_DIR" ] || fail "no trellis.pc"
# Internal headers (src/) and the demo's (app/) stay in the source tree.
for header in XmlFile.h RegularFile.h XmlAttributes.h ChangeSkin.h; do
    [ -z "$(find "$PREFIX" -name "$header")" ] || fail "the internal header $header is installed"
done
# The headers need nothing but -I<prefix>/include.
include_flags=$(PKG_CONFIG_PATH="$PKG_DIR" pkg-config --cflags-only-I trellis)
[ "${include_flags% }" = "-I$PREFIX/include" ] ||
    fail "unexpected include flags: $(PKG_CONFIG_PATH="$PKG_DIR" pkg-config --cflags trellis)"
"$PREFIX/bin/trellis-fontbake" --output "$WORK/baked.glf" >/dev/null ||
    fail "the installed trellis-fontbake failed"
cmp -s "$WORK/baked.glf" "$PREFIX/share/trellis/verdana.glf" ||
    fail "the installed baker's font differs from the installed font"
lint=$("$PREFIX/bin/trellis-lint" --skin "$PREFIX/share/trellis/defaultSkin.xml" \
    --callback changeSkin "$PREFIX/share/trellis/testDialogue.xml") ||
    fail "the installed trellis-lint failed on the installed demo files: $lint"
[ "$lint" = "0 warnings, 0 errors" ] || fail "the installed demo files are not clean: $lint"
(cd "$PREFIX/share/trellis" && env -u DISPLAY "$PREFIX/bin/trellis-render" testDialogue.xml \
    --callback changeSkin --debug-lines -o "$WORK/rendered.png") ||
    fail "the installed trellis-render failed on the installed demo files"
[ "$(differing_pixels "$WORK/rendered.png" "$SOURCE/tests/golden/default.png")" = 0 ] ||
    fail "the installed trellis-render's picture differs from tests/golden/default.png"
"$PREFIX/bin/trellis-preview" --version >/dev/null || fail "the installed trellis-preview failed"

start_demo
built=$(steady_screenshot built)
close_demo
[ "$DEMO_STATUS" = 0 ] || fail "the built demo's exit code was $DEMO_STATUS"

mkdir -p "$WORK/elsewhere"
(cd "$WORK/elsewhere" && exec "$PREFIX/bin/trellis-demo" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
DEMO_PID=$!
DEMO_WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$DEMO_PID" | head -n 1)
[ -n "$DEMO_WINDOW" ] || fail "the installed demo's window did not appear: $(cat "$WORK/stderr.txt")"
installed=$(steady_screenshot installed)
close_demo
[ "$DEMO_STATUS" = 0 ] || fail "the installed demo's exit code was $DEMO_STATUS"
differing=$(differing_pixels "$built" "$installed")
[ "$differing" = 0 ] || fail "the installed demo's frame differs from the built one's in $differing pixels"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "the installed demo wrote into the folder it was started from"
echo "installed files in place; the installed demo ran from another folder and exited with code 0"
