// trellis beside its peers on one scene (PeerScene.h): the batched renderer as it runs, the
// immediate renderer, the bare immediate-mode call stream (the floor), Dear ImGui and an empty
// frame, taking turns in one run; then the batched renderer drawing every frame in full, and a
// frame with nothing changed beside one where a button's colour changed. Every trellis frame is
// checked against the immediate path's pixels before anything is timed.
#include "BenchSupport.h"
#include "Benchmarks.h"
#include "FrameTurns.h"
#include "FloorScene.h"
#include "ImguiPeer.h"
#include "PeerScene.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/render/DebugLines.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/WindowShell.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trellis {

namespace {

struct PeerSetUp {
    GuiElement* root = nullptr;
    Button* changing = nullptr;  // the button whose colour the change frames toggle
    FloorScene floor;
    std::string error;
};

std::vector<unsigned char> readBack() {
    std::vector<unsigned char> pixels(size_t(viewport[2]) * viewport[3] * 4);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void clearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// drawFrame with the batched renderer (the default), as the demo draws.
void batchedFrame(GuiElement* root) {
    clearFrame();
    rootElement = root;
    drawFrame();
}

// drawFrame's work done by the immediate path itself.
void immediateFrame(GuiElement* root) {
    clearFrame();
    beginScreenProjection();
    root->drawTree();
    drawDebugLinesNow();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void floorFrame(const FloorScene& floor) {
    clearFrame();
    drawFloorFrame(floor);
}

// Builds the scene once per size and checks that batched, immediate and floor frames agree.
PeerSetUp& peerSetUp(int buttons) {
    static std::map<int, std::unique_ptr<PeerSetUp>> scenes;
    std::unique_ptr<PeerSetUp>& scene = scenes[buttons];
    if (scene)
        return *scene;
    scene = std::make_unique<PeerSetUp>();
    scene->root = buildPeerTree(buttons);
    GuiElement* window = scene->root->children.front();
    if (!window->children.empty())
        scene->changing = static_cast<Button*>(window->children.oldestFirst()[0]);
    if (!buildFloorScene(scene->root, scene->floor, scene->error))
        return *scene;
    forgetRenderedFrame();
    batchedFrame(scene->root);
    const auto batched = readBack();
    immediateFrame(scene->root);
    const auto immediate = readBack();
    floorFrame(scene->floor);
    const auto floor = readBack();
    if (batched != immediate)
        scene->error = "the batched frame differs from the immediate path's";
    else if (floor != immediate)
        scene->error = "the floor's frame differs from the immediate path's";
    swapBuffers();
    return *scene;
}

void peerBenchmark(benchmark::State& state) {
    const int buttons = int(state.range(0));
    PeerSetUp& scene = peerSetUp(buttons);
    if (!scene.error.empty()) {
        state.SkipWithError(scene.error.c_str());
        return;
    }
    startImgui(glfwGetCurrentContext());
    std::vector<FrameKind> kinds = {
        {"batched_ms", [&] { batchedFrame(scene.root); }},
        {"immediate_ms", [&] { immediateFrame(scene.root); }},
        {"floor_ms", [&] { floorFrame(scene.floor); }},
        {"empty_ms", [] { clearFrame(); }},
    };
    if (imguiAvailable())
        kinds.push_back({"imgui_ms", [&] { drawImguiFrame(buttons); }});
    runInTurns(state, kinds);
    state.counters["draw_calls"] = double(lastRenderStats().drawCalls);
}

// The batched renderer recording and drawing every frame in full (no reuse).
void fullBenchmark(benchmark::State& state) {
    PeerSetUp& scene = peerSetUp(int(state.range(0)));
    if (!scene.error.empty()) {
        state.SkipWithError(scene.error.c_str());
        return;
    }
    setFrameReuse(false);
    std::vector<FrameKind> kinds = {{"full_ms", [&] { batchedFrame(scene.root); }}};
    runInTurns(state, kinds);
    state.counters["draw_calls"] = double(lastRenderStats().drawCalls);
    state.counters["culled"] = double(lastRenderStats().culled);
    setFrameReuse(true);
}

// Nothing changed, beside one button's colour changed (and changed back the next time).
void changeBenchmark(benchmark::State& state) {
    PeerSetUp& scene = peerSetUp(int(state.range(0)));
    if (!scene.error.empty() || !scene.changing) {
        state.SkipWithError(scene.error.empty() ? "no button" : scene.error.c_str());
        return;
    }
    forgetRenderedFrame();
    bool toggled = false;
    RenderStats changed;
    std::vector<FrameKind> kinds = {
        {"unchanged_ms", [&] { batchedFrame(scene.root); }},
        {"changed_ms",
         [&] {
             toggled = !toggled;
             scene.changing->bgColor.rgba[0] = toggled ? 250 : 255;
             batchedFrame(scene.root);
             changed = lastRenderStats();
         }},
    };
    runInTurns(state, kinds);
    state.counters["repaired_px"] = double(changed.repairedArea);
    state.counters["repaired"] = changed.path == RenderStats::Path::Repaired ? 1 : 0;
}

}  // namespace

void registerPeerBenchmarks(const std::vector<int>& buttonCounts, double minSeconds) {
    const struct {
        const char* name;
        void (*function)(benchmark::State&);
    } families[] = {
        {"peer", peerBenchmark}, {"peer_full", fullBenchmark}, {"peer_change", changeBenchmark}};
    for (const auto& f : families)
        registerFrameFamily(f.name, f.function, buttonCounts, minSeconds);
}

}  // namespace trellis
