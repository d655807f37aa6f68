// Frames in turns: each drawn, swapped in the current context and timed.
#include "FrameTurns.h"

#include "BenchSupport.h"

#include <GLFW/glfw3.h>

namespace trellis {

namespace {

void timeKind(FrameKind& kind) {
    const double start = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    kind.draw();
    glfwPollEvents();
    glfwSwapBuffers(glfwGetCurrentContext());
    kind.seconds += cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - start;
}

}  // namespace

void runInTurns(benchmark::State& state, std::vector<FrameKind>& kinds) {
    size_t lead = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < kinds.size(); ++i)
            timeKind(kinds[(lead + i) % kinds.size()]);
        lead = (lead + 1) % kinds.size();
    }
    for (const FrameKind& kind : kinds)
        state.counters[kind.counter] =
            benchmark::Counter(kind.seconds * 1e3, benchmark::Counter::kAvgIterations);
}

}  // namespace trellis
