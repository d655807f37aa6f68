#!/usr/bin/env bash
# Builds trellis in Release with its benchmarks (into build-bench/) and runs them all under a
# private X server when there is no display, printing one table; docs/PERFORMANCE.md explains
# it. The table is also saved to build-bench/bench-table.txt, and every run to
# build-bench/bench-results.json. Options:
#   --smoke      tiny sizes, one short run each: checks that the benchmarks build and run
#   --callgrind  instead of timing, counts instructions under callgrind (several minutes)
# Any other argument goes to trellis-bench (for example --benchmark_filter=load).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build=$TRELLIS_ROOT/build-bench
bench=$build/bench/trellis-bench

if [ -z "${TRELLIS_BENCH_SERVER:-}" ]; then
    install_missing_packages
    cmake -S "$TRELLIS_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRELLIS_BUILD_BENCH=ON \
        -DTRELLIS_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target trellis-bench >/dev/null
    if [ -z "${DISPLAY:-}" ]; then
        TRELLIS_BENCH_SERVER=1 exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" "$@"
    fi
fi

# Instructions that one --profile run executes inside the profiled function, divided by COUNT.
instructions() { # KIND SIZE COUNT
    valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect='*profiled*' \
        "$bench" --profile="$1:$2:$3" 2>&1 |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p' | awk -v n="$3" '{ printf "%.0f", $1 / n }'
}

# Prints one row: what, trellis's count, the floor's or parse's count, and their ratio.
row() { # WHAT TRELLIS FLOOR
    awk -v w="$1" -v t="$2" -v f="$3" 'BEGIN { printf "  %-38s %14s %14s %8.4f\n", w, t, f, t / f }'
}

callgrind_table() {
    echo "Instruction counts under callgrind: the drawing or loading thread only, the same from"
    echo "run to run (unlike times on a shared machine)"
    printf '  %-38s %14s %14s %8s\n' "work" "trellis" "floor/parse" "ratio"
    local size
    for size in 100 1000; do
        row "frame, $size buttons, per frame" "$(instructions trellis "$size" 3)" \
            "$(instructions floor "$size" 3)"
    done
    local load=() reskin=()
    for size in 10000 100000; do
        load+=("$(instructions load "$size" 1)")
        row "load, $size elements" "${load[-1]}" "$(instructions parse "$size" 1)"
    done
    for size in 10000 100000; do
        reskin+=("$(instructions reskin "$size" 2)")
        printf '  %-38s %14s\n' "reskinTree, $size elements" "${reskin[-1]}"
    done
    row "scaling of load, 100000 / 10000" "${load[1]}" "${load[0]}"
    row "scaling of reskinTree, 100000 / 10000" "${reskin[1]}" "${reskin[0]}"
}

case "${1:-}" in
--callgrind)
    callgrind_table
    ;;
--smoke)
    shift
    "$bench" --smoke --benchmark_min_time=0.01 "$@"
    ;;
*)
    "$bench" --benchmark_repetitions=5 --benchmark_out="$build/bench-results.json" \
        --benchmark_out_format=json "$@" | tee "$build/bench-table.txt"
    ;;
esac
