// Frame cost: trellis's immediate renderer drawing windows of buttons, beside the floor that
// issues the same GL call stream from flat arrays; both frames are checked pixel for pixel
// before any is timed. (The batched renderer is measured in PeerBench.cpp.)
#include "BenchSupport.h"
#include "Benchmarks.h"
#include "FloorScene.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/Window.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/WindowShell.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trellis {

namespace {

constexpr int kButtonsPerWindow = 10;
constexpr int kWindowColumns = 13, kWindowRows = 4;  // window places on screen before they stack
constexpr int kFrameWidth = 1024, kFrameHeight = 768;

struct FrameScene {
    GuiElement* root = nullptr;  // trellis's tree: windows with title bars, each of ten buttons
    size_t elements = 0;         // in the tree, root, title bars and close buttons included
    FloorScene floor;            // the same frame as arrays
    std::string error;           // why the scene cannot be timed
};

std::string numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

// Windows of ten buttons side by side, as compact as their labels allow, then stacked over the
// earlier ones with a small offset, all inside the screen; every button has its own colour and
// a label of several characters.
GuiElement* buildButtonTree(int buttons) {
    skinStore.clear();
    loadSkin("default", benchSkinFile().c_str());
    setSkinAttribute("button", "fontSize", "1.2");
    GuiElement* root = newDetachedRoot();
    const std::string prefix = "frame" + std::to_string(buttons) + ".";
    for (int first = 0, w = 0; first < buttons; first += kButtonsPerWindow, ++w) {
        const int place = w % (kWindowColumns * kWindowRows);
        const int layer = w / (kWindowColumns * kWindowRows);
        const float x = 0.6f + 10.2f * float(place % kWindowColumns) + 0.4f * float(layer % 5);
        const float y = 0.6f + 24.5f * float(place / kWindowColumns) + 0.4f * float(layer % 7);
        auto* window =
            new Window((prefix + numbered("w", w)).c_str(), root, numbered("Window ", w).c_str());
        window->setRect(x, y, 9, 20);
        for (int b = first; b < first + kButtonsPerWindow && b < buttons; ++b) {
            auto* button = new Button((prefix + numbered("b", b)).c_str(), window,
                                      numbered("Item ", b).c_str(), 0.5f,
                                      2.9f + 1.7f * float(b - first), 8, 1.5f);
            button->bgColor = Color{{static_cast<unsigned char>(60 + b * 37 % 120),
                                     static_cast<unsigned char>(60 + b * 53 % 120), 140, 255}};
        }
    }
    return root;
}

std::vector<unsigned char> readFrame() {
    std::vector<unsigned char> pixels(size_t(kFrameWidth) * kFrameHeight * 4);
    glReadPixels(0, 0, kFrameWidth, kFrameHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// drawFrame with the immediate renderer, whose call stream the floor mirrors.
void drawTrellisFrame(GuiElement* root) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    rootElement = root;
    const Renderer chosen = currentRenderer();
    setRenderer(Renderer::Immediate);
    drawFrame();
    setRenderer(chosen);
}

void drawFloorScene(const FloorScene& floor) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawFloorFrame(floor);
}

// Builds the scene once per size and proves that the floor draws the very same pixels.
FrameScene& frameScene(int buttons) {
    static std::map<int, std::unique_ptr<FrameScene>> scenes;
    std::unique_ptr<FrameScene>& scene = scenes[buttons];
    if (scene)
        return *scene;
    scene = std::make_unique<FrameScene>();
    scene->root = buildButtonTree(buttons);
    scene->elements = countTree(scene->root);
    if (!buildFloorScene(scene->root, scene->floor, scene->error))
        return *scene;
    drawTrellisFrame(scene->root);
    const std::vector<unsigned char> drawn = readFrame();
    drawFloorScene(scene->floor);
    const std::vector<unsigned char> floor = readFrame();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (drawn != floor)
        scene->error = "the floor's frame differs from trellis's: the call streams differ";
    else if (drawn == readFrame())
        scene->error = "trellis drew nothing";
    swapBuffers();
    return *scene;
}

struct FrameCost {
    double draw = 0;   // CPU seconds of the drawing thread clearing and drawing, before the swap
    double frame = 0;  // CPU seconds of all threads for the whole frame, swap included
};

template <typename Draw> void timeFrame(Draw draw, FrameCost& cost) {
    const double start = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double threadStart = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    draw();
    const double drawn = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    swapBuffers();
    const double end = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    cost.draw += drawn - threadStart;
    cost.frame += end - start;
}

// The two kinds of frame take turns, leading in turn, so that both meet the same load on a
// shared machine; all CPU time of the process counts, llvmpipe's rasteriser threads included.
void frameBenchmark(benchmark::State& state) {
    FrameScene& scene = frameScene(int(state.range(0)));
    if (!scene.error.empty()) {
        state.SkipWithError(scene.error.c_str());
        return;
    }
    FrameCost trellis, floor;
    bool trellisLeads = true;
    auto drawTrellis = [&] { drawTrellisFrame(scene.root); };
    auto drawFloor = [&] { drawFloorScene(scene.floor); };
    for (auto _ : state) {
        if (trellisLeads) {
            timeFrame(drawTrellis, trellis);
            timeFrame(drawFloor, floor);
        } else {
            timeFrame(drawFloor, floor);
            timeFrame(drawTrellis, trellis);
        }
        trellisLeads = !trellisLeads;
    }
    using benchmark::Counter;
    state.counters["trellis_ms"] = Counter(trellis.frame * 1e3, Counter::kAvgIterations);
    state.counters["floor_ms"] = Counter(floor.frame * 1e3, Counter::kAvgIterations);
    state.counters["trellis_draw_ms"] = Counter(trellis.draw * 1e3, Counter::kAvgIterations);
    state.counters["floor_draw_ms"] = Counter(floor.draw * 1e3, Counter::kAvgIterations);
    state.counters["ratio"] = trellis.frame / floor.frame;
    state.counters["draw_ratio"] = trellis.draw / floor.draw;
    state.counters["elements"] = double(scene.elements);
}

}  // namespace

// Out of line and called only by profileFrames, so that callgrind's --toggle-collect can count
// the drawing of warmed-up frames alone (the first frames compile llvmpipe's shaders).
__attribute__((noinline)) void profiledTrellisFrame(GuiElement* root) {
    drawTrellisFrame(root);
}

__attribute__((noinline)) void profiledFloorFrame(const FloorScene& floor) {
    drawFloorScene(floor);
}

void registerFrameBenchmarks(const std::vector<int>& buttonCounts, double minSeconds) {
    registerFrameFamily("frame", frameBenchmark, buttonCounts, minSeconds);
}

bool profileFrames(const char* kind, int buttons, int frames) {
    const std::string which = kind;
    if (which != "trellis" && which != "floor")
        return false;
    FrameScene& scene = frameScene(buttons);
    if (!scene.error.empty()) {
        std::fprintf(stderr, "trellis-bench: %s\n", scene.error.c_str());
        return false;
    }
    for (int i = 0; i < frames; ++i) {
        if (which == "trellis")
            profiledTrellisFrame(scene.root);
        else
            profiledFloorFrame(scene.floor);
        swapBuffers();
    }
    return true;
}

}  // namespace trellis
