#!/usr/bin/env bash
# Writes the golden images of tests/golden anew: builds trellis-render in Release (into
# build/) and draws every case of tests/golden/cases.txt. Run it by hand after a change that is
# meant to alter the demo's pixels, look at the new images (git diff shows which changed), and
# commit them with that change. The tests never write them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
build=$TRELLIS_ROOT/build
cmake -S "$TRELLIS_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target trellis-render trellis-font >/dev/null

golden=$TRELLIS_ROOT/tests/golden
while read -r name options; do
    case "$name" in '' | '#'*) continue ;; esac
    # A case may name its dialogue first; the demo's is drawn otherwise.
    dialogue=testDialogue.xml
    case "$options" in *.xml | *.xml\ *) dialogue=${options%% *} options=${options#"$dialogue"} ;; esac
    # shellcheck disable=SC2086 # the options are words to split
    (cd "$build/run" && "$build/tools/trellis-render" "$dialogue" --callback changeSkin \
        $options -o "$golden/$name.png")
    echo "wrote tests/golden/$name.png"
done <"$golden/cases.txt"
