// List boxes of 100 and of 100,000 items in one run: the frame while the list scrolls a row a
// frame, the frame recorded in full, and the load of the dialogue file that holds the items.
#include "BenchSupport.h"
#include "Benchmarks.h"

#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/ListBox.h"
#include "trellis/render/Renderer.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <sstream>

namespace trellis {

namespace {

// A window holding one list of items rows, the fourth selected.
std::string listDialogue(int items) {
    std::ostringstream out;
    out << "<window name='w' title='List' x='2' y='2' width='40' height='60'>\n"
        << "<listbox name='list' x='1' y='3' width='36' height='54' selected='3' "
           "onChange='" << kBenchCallbackName << "'>\n";
    for (int i = 0; i < items; ++i)
        out << "<item text='Item number " << i << "'/>\n";
    out << "</listbox>\n</window>\n";
    return out.str();
}

void listBenchmark(benchmark::State& state) {
    const int items = int(state.range(0));
    const std::string path = benchFile("list" + std::to_string(items) + ".xml");
    writeTextFile(path, listDialogue(items));
    // The fastest of three loads from fresh tables: the least disturbed by the machine.
    double load = 1e9;
    for (int i = 0; i < 3; ++i) {
        freshGui();
        const double start = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        const bool loaded = loadDialogue(path.c_str());
        load = std::min(load, cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start);
        if (!loaded) {
            state.SkipWithError("the list dialogue does not load");
            return;
        }
    }
    const auto named = elementRegistry.find("list");
    auto* list = named != elementRegistry.end() ? dynamic_cast<ListBox*>(named->second) : nullptr;
    if (!list || list->itemCount() != size_t(items)) {
        state.SkipWithError("the list does not hold its items");
        return;
    }
    double scrolling = 0, full = 0;
    size_t row = 0;
    for (auto _ : state) {
        // A row further each frame, wrapping at the end: every frame changes.
        row = (row + 1) % list->itemCount();
        list->scrollTo(float(row) * list->rowHeight());
        setFrameReuse(true);
        scrolling += timedDrawFrame();
        setFrameReuse(false);
        full += timedDrawFrame();
    }
    setFrameReuse(true);
    using benchmark::Counter;
    state.counters["scroll_ms"] = Counter(scrolling * 1e3, Counter::kAvgIterations);
    state.counters["full_ms"] = Counter(full * 1e3, Counter::kAvgIterations);
    state.counters["load_ms"] = load * 1e3;
    state.counters["items"] = double(items);
}

}  // namespace

void registerListBenchmarks(const std::vector<int>& itemCounts, double minSeconds) {
    registerFrameFamily("listbox", listBenchmark, itemCounts, minSeconds);
}

}  // namespace trellis
