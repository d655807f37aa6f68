// Gallery-like frames: a dialogue of 10,008 mixed elements (scrolling panels of labels, check
// boxes, sliders, text fields and pictures) drawn by each renderer, with the pointer still, after
// a check that the batched and shader frames equal the immediate path's.
#include "BenchSupport.h"
#include "Benchmarks.h"

#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/GuiShell.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace trellis {

namespace {

constexpr int kElementsPerPanel = 12;  // the panel and its eleven children
constexpr int kPanelColumns = 13, kPanelRows = 4;
constexpr int kFrameWidth = 1024, kFrameHeight = 768;

// One scrolling panel, taller content than itself, at its place in the grid (stacked over the
// earlier ones with a small offset once the screen is full).
void writePanel(std::ostream& out, int p, const std::string& picture) {
    const int place = p % (kPanelColumns * kPanelRows), layer = p / (kPanelColumns * kPanelRows);
    const float x = 0.6f + 10.2f * float(place % kPanelColumns) + 0.4f * float(layer % 5);
    const float y = 0.6f + 24.5f * float(place / kPanelColumns) + 0.4f * float(layer % 7);
    const std::string n = "m" + std::to_string(p);
    out << "<panel name='" << n << "' scroll='1' x='" << x << "' y='" << y
        << "' width='9.6' height='23' bgColor='" << (p % 2 ? "3a3a4aff" : "4a3a3aff") << "'>\n"
        << "  <label name='" << n << "l1' text='Item " << p << "' x='0.3' y='0.3' width='8' "
        << "height='2'/>\n"
        << "  <textfield name='" << n << "t1' text='Name " << p << "' x='0.3' y='2.5' width='8.5' "
        << "height='2.5'/>\n"
        << "  <checkbox name='" << n << "c1' text='On' checked='" << p % 2 << "' x='0.3' y='5.4' "
        << "width='8' height='2'/>\n"
        << "  <slider name='" << n << "s1' min='0' max='10' value='" << p % 11 << "' x='0.3' "
        << "y='8' width='8' height='1.5'/>\n"
        << "  <image name='" << n << "i1' src='" << picture << "' x='0.3' y='10' width='8.5' "
        << "height='5'/>\n"
        << "  <label name='" << n << "l2' text='More' x='0.3' y='15.4' width='8' height='2'/>\n"
        << "  <checkbox name='" << n << "c2' text='Off' x='0.3' y='17.5' width='8' "
        << "height='2'/>\n"
        << "  <slider name='" << n << "s2' min='0' max='100' value='" << p % 101 << "' x='0.3' "
        << "y='20' width='8' height='1.5'/>\n"
        << "  <textfield name='" << n << "t2' text='A note longer than the field' x='0.3' "
        << "y='22' width='8.5' height='2.5'/>\n"
        << "  <image name='" << n << "i2' src='" << picture << "' x='0.3' y='25' width='8.5' "
        << "height='4'/>\n"
        << "  <label name='" << n << "l3' text='End' x='0.3' y='29.5' width='8' height='2'/>\n"
        << "</panel>\n";
}

// A dialogue of panels of twelve elements each, loaded as the root's tree.
bool loadMixedDialogue(int elements) {
    std::ostringstream out;
    out << "<?xml version='1.0'?>\n<!-- " << elements << " mixed elements -->\n";
    const std::string picture = runFolder() + "/gallery.png";
    for (int p = 0; p < elements / kElementsPerPanel; ++p)
        writePanel(out, p, picture);
    const std::string path = benchFile("mixed" + std::to_string(elements) + ".xml");
    writeTextFile(path, out.str());
    freshGui();
    return loadDialogue(path.c_str());
}

std::vector<unsigned char> readFrame() {
    std::vector<unsigned char> pixels(size_t(kFrameWidth) * kFrameHeight * 4);
    glReadPixels(0, 0, kFrameWidth, kFrameHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The frame each renderer draws, against the immediate path's.
std::string checkPixels() {
    const auto frameOf = [](Renderer renderer) {
        setRenderer(renderer);
        setFrameReuse(false);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawFrame();
        return readFrame();
    };
    const std::vector<unsigned char> immediate = frameOf(Renderer::Immediate);
    if (frameOf(Renderer::Batched) != immediate)
        return "the batched frame differs from the immediate path's";
    if (frameOf(Renderer::Shader) != immediate)
        return "the shader renderer's frame differs from the immediate path's";
    return "";
}

// The renderers take turns, so that each meets the same load on a shared machine. still: the
// batched renderer as it runs, the pointer resting on a panel and nothing changing; full: the
// batched renderer recording and drawing every frame (reuse off); shader: the same through the
// shader renderer; immediate: the reference.
void mixedBenchmark(benchmark::State& state) {
    const int elements = int(state.range(0));
    if (!loadMixedDialogue(elements)) {
        state.SkipWithError("the mixed dialogue does not load");
        return;
    }
    routePointer(100, 100);
    const std::string wrong = checkPixels();
    if (!wrong.empty()) {
        state.SkipWithError(wrong.c_str());
        return;
    }
    struct Kind {
        const char* name;
        Renderer renderer;
        bool reuse;
        double seconds = 0;
        double calls = 0;
    } kinds[] = {{"still", Renderer::Batched, true},
                 {"full", Renderer::Batched, false},
                 {"shader", Renderer::Shader, false},
                 {"immediate", Renderer::Immediate, false}};
    for (auto _ : state)
        for (Kind& kind : kinds) {
            setRenderer(kind.renderer);
            setFrameReuse(kind.reuse);
            kind.seconds += timedDrawFrame();
            kind.calls = double(lastRenderStats().drawCalls);
        }
    setRenderer(Renderer::Automatic);
    setFrameReuse(true);
    using benchmark::Counter;
    for (const Kind& kind : kinds) {
        state.counters[std::string(kind.name) + "_ms"] =
            Counter(kind.seconds * 1e3, Counter::kAvgIterations);
        state.counters[std::string(kind.name) + "_calls"] = kind.calls;
    }
    state.counters["elements"] = double(elements);
}

}  // namespace

void registerMixedBenchmarks(const std::vector<int>& elementCounts, double minSeconds) {
    registerFrameFamily("mixed", mixedBenchmark, elementCounts, minSeconds);
}

}  // namespace trellis
