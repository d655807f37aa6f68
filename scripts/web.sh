#!/usr/bin/env bash
# trellis on the web. Installs what is missing, builds the C libraries trellis needs from
# Debian's source packages with emscripten, then the library, the element galleries and the demo
# to WebAssembly, and writes the page to build-web/ (index.html and what it loads).
#   scripts/web.sh           build
#   scripts/web.sh --serve   build, then serve the page on 127.0.0.1 (TRELLIS_WEB_PORT, 8080)
#   scripts/web.sh --test    build, then run the browser tests in headless Chromium
# A second run rebuilds only what changed: the sources, libraries and objects stay in build-web/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

WEB="$TRELLIS_ROOT/build-web"
# The C libraries, as Debian's source packages, and the folders they unpack to (NAME-VERSION).
WEB_SOURCES=(zlib libpng1.6 freetype harfbuzz fribidi tinyxml)
# emcc's JavaScript optimiser needs Debian's acorn, which Node.js finds here.
export NODE_PATH=/usr/share/nodejs
# puppeteer-core never downloads a browser; the tests drive Debian's /usr/bin/chromium.
export PUPPETEER_SKIP_DOWNLOAD=1

# Debian's emscripten, Chromium, and dpkg-source for the source packages; Node.js and npm unless
# the machine has them already (Debian's own, or NodeSource's).
install_web_packages() {
    local packages=(emscripten node-acorn chromium dpkg-dev)
    command -v npm >/dev/null || packages+=(nodejs npm)
    install_missing_packages "${packages[@]}"
}

# apt-get source needs a deb-src entry: the same archives, keys and suites as the deb entries.
add_source_entries() {
    if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    echo "Adding deb-src entries (/etc/apt/sources.list.d/trellis-deb-src.sources)"
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        as_root tee /etc/apt/sources.list.d/trellis-deb-src.sources >/dev/null
    as_root apt-get update -qq
}

# Unpacks each source package under build-web/sources once. The release's own version first:
# a mirror keeps it as long as the release lives, while a security update's sources may be
# missing from it.
fetch_sources() {
    local release package
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$WEB/sources"
    for package in "${WEB_SOURCES[@]}"; do
        [ -e "$WEB/sources/.$package.unpacked" ] && continue
        echo "Fetching the source package $package"
        rm -rf "$WEB/sources/$package"-*/
        (cd "$WEB/sources" &&
            { apt-get source -qq "$package/$release" || apt-get source -qq "$package"; } \
                >/dev/null 2>&1 &&
            rm -f ./*.dsc ./*.tar.* ./*.diff.gz) || {
            echo "web.sh: apt-get source $package failed" >&2
            return 1
        }
        touch "$WEB/sources/.$package.unpacked"
    done
}

# The page's texture font: DejaVu Sans baked as the demo's font is, with Latin-1 as well (codes
# -128 to -1), so that text typed on the page such as "Größe" is drawn; the ASCII glyphs and so
# the galleries' and the demo's pixels are the native ones. Baked by the native trellis-fontbake.
bake_page_font() {
    if [ ! -f "$TRELLIS_ROOT/build/CMakeCache.txt" ]; then
        cmake -S "$TRELLIS_ROOT" -B "$TRELLIS_ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$TRELLIS_ROOT/build" --target trellis-fontbake -j"$(nproc)" >/dev/null
    mkdir -p "$WEB/font"
    local baker="$TRELLIS_ROOT/build/tools/trellis-fontbake"
    if [ ! "$WEB/font/verdana.glf" -nt "$baker" ]; then
        "$baker" --first -128 --last 127 --output "$WEB/font/verdana.glf"
    fi
}

# zlib, libpng, FreeType, HarfBuzz, FriBidi and TinyXML as static WebAssembly libraries with
# pkg-config files, under build-web/prefix.
build_libraries() {
    emcmake cmake -S "$TRELLIS_ROOT/web/deps" -B "$WEB/deps" -G Ninja \
        -DTRELLIS_SOURCES="$WEB/sources" -DCMAKE_INSTALL_PREFIX="$WEB/prefix" >/dev/null
    cmake --build "$WEB/deps" -j"$(nproc)"
    cmake --install "$WEB/deps" >/dev/null
}

# The library and the page (trellis-web), optimised for size, without libunibreak (Debian's
# mirrors may not carry its source; word wrap then breaks lines by simpler rules) and without
# GLFW, the tools and the tests. Each file compiled on its own, as in the native build: the
# library's files keep their own helpers and per-interface variables under the same names.
build_page() {
    local prefix="$WEB/prefix"
    PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" emcmake cmake -S "$TRELLIS_ROOT" -B "$WEB/trellis" \
        -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG" \
        -DTRELLIS_BUILD_GLFW=OFF -DTRELLIS_BUILD_DEMO=OFF -DTRELLIS_BUILD_TOOLS=OFF \
        -DTRELLIS_BUILD_TESTS=OFF -DTRELLIS_USE_UNIBREAK=OFF -DCMAKE_FIND_ROOT_PATH="$prefix" \
        -DPNG_PNG_INCLUDE_DIR="$prefix/include" -DPNG_LIBRARY="$prefix/lib/libpng16.a" \
        -DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.a" \
        -DTRELLIS_WEB_FONT="$WEB/font/verdana.glf" -DTRELLIS_WEB_OUTPUT="$WEB" >/dev/null
    cmake --build "$WEB/trellis" -j"$(nproc)"
}

# The browser tests (web/test), with puppeteer-core as package-lock.json pins it.
run_browser_tests() {
    cd "$TRELLIS_ROOT/web/test"
    if [ ! -d node_modules ] || [ package-lock.json -nt node_modules ]; then
        npm ci --no-audit --no-fund --loglevel=error
    fi
    TRELLIS_WEB_DIR="$WEB" node --test browser.test.mjs
}

install_web_packages
add_source_entries
fetch_sources
bake_page_font
build_libraries
build_page
echo "The page: $WEB/index.html ($(du -cb "$WEB"/index.html "$WEB"/trellis-page.js \
    "$WEB"/trellis-web.* | tail -1 | cut -f1) bytes to download)"

case "${1:-}" in
--serve) exec node "$TRELLIS_ROOT/web/serve.mjs" "$WEB" "${TRELLIS_WEB_PORT:-8080}" ;;
--test) run_browser_tests ;;
"") ;;
*)
    echo "usage: scripts/web.sh [--serve | --test]" >&2
    exit 2
    ;;
esac
