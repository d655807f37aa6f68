// FrameTurns: kinds of frame that take turns in one benchmark, each timed on the process's CPU
// clock, so that trellis and its peers meet the same load on a shared machine.
#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

namespace trellis {

// A kind of frame that takes turns with others in one benchmark, with its CPU time.
struct FrameKind {
    const char* counter;  // the counter its milliseconds per frame go to
    std::function<void()> draw;
    double seconds = 0;
};

// The kinds take turns, each leading in turn, so that all meet the same load on a shared
// machine; each frame is drawn and swapped in the current context, and all CPU time of the
// process counts, llvmpipe's rasteriser threads included.
void runInTurns(benchmark::State& state, std::vector<FrameKind>& kinds);

}  // namespace trellis
