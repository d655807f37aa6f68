#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite (under a private X server
# when there is no display); then builds it again with AddressSanitizer and
# UndefinedBehaviorSanitizer, with the fuzzers, and runs it there too, corpus replays included.
# Last, the web stage: builds the page for the browser (scripts/web.sh) and runs its tests in
# headless Chromium. Exits non-zero on any failure or sanitizer report.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_trellis -DTRELLIS_BUILD_BENCH=ON
build_trellis_sanitized

run_suites() {
    ctest --test-dir "$TRELLIS_ROOT/build" --output-on-failure -j"$(nproc)"
    sanitizer_environment ctest --test-dir "$TRELLIS_ROOT/build-asan" --output-on-failure \
        -j"$(nproc)"
}
if [ -n "${DISPLAY:-}" ]; then
    run_suites
else
    xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "set -euo pipefail; TRELLIS_ROOT='$TRELLIS_ROOT'
        $(declare -f run_suites sanitizer_environment); run_suites"
fi

# The web stage: the library, the galleries and the demo in WebAssembly, driven in a browser.
"$TRELLIS_ROOT/scripts/web.sh" --test
