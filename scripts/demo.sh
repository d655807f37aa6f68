#!/usr/bin/env bash
# Installs what is missing, builds, and runs the demo from its run folder. Without a display
# it runs the demo for a few seconds under a private X server, saves a screenshot to
# build/demo.png, closes the window and reports the exit code.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build_trellis

cd "$TRELLIS_ROOT/build/run"
if [ -n "${DISPLAY:-}" ]; then
    exec ../trellis-demo
fi
# The screen is larger than the window so that the pointer, which a fresh server puts at the
# screen's centre, starts outside it: the demo has seen no pointer yet, as on a desktop.
exec xvfb-run -a -s '-screen 0 2048x1536x24' "$TRELLIS_ROOT/scripts/headless-demo.sh" \
    "$TRELLIS_ROOT/build"
