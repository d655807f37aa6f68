#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite (under a private X server
# when there is no display). Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_trellis

cd "$TRELLIS_ROOT/build"
run_ctest() { ctest --output-on-failure -j"$(nproc)" "$@"; }
if [ -n "${DISPLAY:-}" ]; then
    run_ctest
else
    xvfb-run -a -s '-screen 0 1280x1024x24' bash -c "$(declare -f run_ctest); run_ctest"
fi
