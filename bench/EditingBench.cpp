// Editing a text field that holds from a kilobyte to ten megabytes: a character typed in the
// middle of the text and a step of a drag that selects, timed in turns in every run.
#include "BenchSupport.h"
#include "Benchmarks.h"

#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/TextField.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <map>

namespace trellis {

namespace {

// Wall time: the thread's CPU clock costs more to read than a short edit takes.
double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A field holding bytes characters of prose, built once per size on a root of its own.
TextField* fieldHolding(size_t bytes) {
    static std::map<size_t, TextField*> fields;
    TextField*& field = fields[bytes];
    if (!field) {
        field = new TextField("", newDetachedRoot(), 2, 2, 36, 3);
        const std::string words = "The quick brown fox jumps over the lazy dog. ";
        std::string text;
        text.reserve(bytes + words.size());
        while (text.size() < bytes)
            text += words;
        text.resize(bytes);
        field->setText(text);
    }
    return field;
}

// Each run: the caret to the middle, 'x' typed (timed) and taken back with Backspace, then the
// pointer dragged from the middle to one side of the field or the other (timed), selecting.
void editingBenchmark(benchmark::State& state) {
    const size_t bytes = size_t(state.range(0));
    TextField* field = fieldHolding(bytes);
    const float sides[2] = {field->width * 0.1f, field->width * 0.9f};
    double typing = 0, dragging = 0;
    size_t steps = 0;
    for (auto _ : state) {
        field->edit.moveTo(bytes / 2, false);
        const double typeStart = now();
        field->onChar('x');
        const double typed = now();
        field->onKeyDown(kKeyBackspace);
        const double dragStart = now();
        field->onMouseDrag(sides[steps++ % 2], 1);
        const double dragged = now();
        typing += typed - typeStart;
        dragging += dragged - dragStart;
        state.SetIterationTime(typed - typeStart + dragged - dragStart);
    }
    if (field->edit.text().size() != bytes)
        state.SkipWithError("typing and Backspace did not leave the text as long as it was");
    using benchmark::Counter;
    state.counters["type_us"] = Counter(typing * 1e6, Counter::kAvgIterations);
    state.counters["drag_us"] = Counter(dragging * 1e6, Counter::kAvgIterations);
}

}  // namespace

void registerEditingBenchmarks(const std::vector<int>& bytes) {
    auto* editing = benchmark::RegisterBenchmark("editing", editingBenchmark);
    for (int size : bytes)
        editing->Arg(size);
    editing->Unit(benchmark::kMicrosecond)->UseManualTime();
}

}  // namespace trellis
