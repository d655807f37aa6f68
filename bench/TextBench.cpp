// Text side by side with Dear ImGui: the text scene (TextScene.h) in TrueType fonts, 20 Latin
// characters a label in DejaVu Sans or 10 Japanese ones in Noto Sans CJK, each at the same pixel
// size in both; unchanged frames, and frames where every label's text changed. trellis draws
// as the demo draws (drawFrame, the batched renderer, reuse on); its frame is checked against
// the immediate path's pixels before anything is timed.
#include "BenchSupport.h"
#include "Benchmarks.h"
#include "FrameTurns.h"
#include "ImguiPeer.h"
#include "TextScene.h"

#include "font/GlyphAtlas.h"
#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Label.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/GuiShell.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trellis {

namespace {

struct TextSetUp {
    TextScript script = TextScript::Latin;
    GuiElement* root = nullptr;
    std::vector<Label*> labels;
    std::vector<std::string> texts;  // ImGui's, as the labels show them
    std::shared_ptr<FontFace> face;
    std::string error;
};

// Draws with face alone for as long as it lives; the texture font draws again after.
class SceneFont {
public:
    explicit SceneFont(const std::shared_ptr<FontFace>& face) {
        textFontChain().clear();
        textFontChain().add(face);
    }
    ~SceneFont() { textFontChain().clear(); }
    SceneFont(const SceneFont&) = delete;
    SceneFont& operator=(const SceneFont&) = delete;
};

std::vector<unsigned char> readBack() {
    std::vector<unsigned char> pixels(size_t(viewport[2]) * viewport[3] * 4);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void trellisFrame(GuiElement* root) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    rootElement = root;
    drawFrame();
}

// Every label (and ImGui's copy) showing its text of frame number frame.
void showFrame(TextSetUp& scene, int frame) {
    for (size_t i = 0; i < scene.labels.size(); ++i) {
        textSceneText(scene.script, int(i), frame, scene.labels[i]->text);
        scene.texts[i] = scene.labels[i]->text;
    }
}

// The batched frame against the immediate path's, and every character drawn by the face.
std::string checkScene(TextSetUp& scene) {
    if (!undrawableCharacters(textSceneCharacters(scene.script).c_str()).empty())
        return std::string(textSceneFont(scene.script)) + " lacks characters of the scene";
    forgetRenderedFrame();
    setRenderer(Renderer::Immediate);
    trellisFrame(scene.root);
    const auto immediate = readBack();
    setRenderer(Renderer::Automatic);
    trellisFrame(scene.root);
    const bool same = readBack() == immediate;
    glfwSwapBuffers(glfwGetCurrentContext());
    return same ? "" : "the batched frame differs from the immediate path's";
}

TextSetUp& textSetUp(TextScript script, int count) {
    static std::map<std::pair<TextScript, int>, std::unique_ptr<TextSetUp>> scenes;
    std::unique_ptr<TextSetUp>& scene = scenes[{script, count}];
    if (scene)
        return *scene;
    scene = std::make_unique<TextSetUp>();
    scene->script = script;
    std::string problem;
    scene->face = FontFace::load(textSceneFont(script), &problem);
    if (!scene->face) {
        scene->error = problem;
        return *scene;
    }
    scene->root = buildTextTree(script, count, scene->labels);
    scene->texts.resize(scene->labels.size());
    showFrame(*scene, 0);
    const SceneFont font(scene->face);
    scene->error = checkScene(*scene);
    return *scene;
}

// still: the labels keep their texts; otherwise every label's text changes every frame, in
// trellis and in ImGui alike.
void textBenchmark(benchmark::State& state, TextScript script, bool still) {
    TextSetUp& scene = textSetUp(script, int(state.range(0)));
    if (!scene.error.empty()) {
        state.SkipWithError(scene.error.c_str());
        return;
    }
    const SceneFont font(scene.face);
    glyphAtlas().clear();
    showFrame(scene, 0);
    forgetRenderedFrame();
    GLFWwindow* const window = glfwGetCurrentContext();
    const float linePixels = snapToPixel(kTextFontUnits) / pixelSize;
    const bool imgui =
        useImguiText(window, textSceneFont(script), linePixels, textSceneCharacters(script));
    int trellisFrames = 0, imguiFrames = 0;
    std::vector<FrameKind> kinds = {
        {"trellis_ms",
         [&] {
             if (!still) {
                 for (size_t i = 0; i < scene.labels.size(); ++i)
                     textSceneText(script, int(i), ++trellisFrames, scene.labels[i]->text);
             }
             trellisFrame(scene.root);
         }},
        {"empty_ms", [] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }},
    };
    if (imgui)
        kinds.push_back({"imgui_ms", [&] {
                             if (!still) {
                                 ++imguiFrames;
                                 for (size_t i = 0; i < scene.texts.size(); ++i)
                                     textSceneText(script, int(i), imguiFrames, scene.texts[i]);
                             }
                             drawImguiText(scene.texts);
                         }});
    runInTurns(state, kinds);
    if (imgui)
        state.counters["ratio"] = kinds[0].seconds / kinds[2].seconds;
    state.counters["draw_calls"] = double(lastRenderStats().drawCalls);
    state.counters["copied"] = lastRenderStats().path == RenderStats::Path::Copied ? 1 : 0;
    state.counters["atlas_kib"] = double(glyphAtlas().coverageBytes()) / 1024;
    state.counters["atlas_pages"] = double(glyphAtlas().pageCount());
    if (imgui)
        state.counters["imgui_atlas_kib"] = double(imguiAtlasBytes()) / 1024;
    state.counters["line_px"] = double(linePixels);
    showFrame(scene, 0);
    forgetRenderedFrame();
}

// Out of line, so that a profiler can find the frames alone.
__attribute__((noinline)) void profiledTextFrame(TextSetUp& scene, bool still, int frame) {
    if (!still)
        for (size_t i = 0; i < scene.labels.size(); ++i)
            textSceneText(scene.script, int(i), frame, scene.labels[i]->text);
    trellisFrame(scene.root);
}

}  // namespace

bool profileText(const char* kind, int labels, int frames) {
    const std::string which = kind;
    const bool japanese = which.rfind("japanese", 0) == 0;
    const bool still = which == "latin" || which == "japanese";
    if (!still && which != "latinanimated" && which != "japaneseanimated")
        return false;
    TextSetUp& scene = textSetUp(japanese ? TextScript::Japanese : TextScript::Latin, labels);
    if (!scene.error.empty())
        return false;
    const SceneFont font(scene.face);
    double drawing = 0, all = 0;
    for (int i = 0; i < 5 + frames; ++i) {
        const double thread = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        const double process = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        profiledTextFrame(scene, still, i);
        const double drawn = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        glfwSwapBuffers(glfwGetCurrentContext());
        // The first frames compile llvmpipe's shaders and fill the atlas: not counted.
        if (i >= 5) {
            drawing += drawn - thread;
            all += cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process;
        }
    }
    const double perFrame = 1e3 / std::max(frames, 1);
    std::fprintf(stderr,
                 "ms per frame: %.3f the drawing thread before the swap, %.3f all threads\n",
                 drawing * perFrame, all * perFrame);
    return true;
}

void registerTextBenchmarks(int latinLabels, int japaneseLabels, double minSeconds) {
    const struct {
        const char* name;
        TextScript script;
        bool still;
        int labels;
    } families[] = {{"latin_still", TextScript::Latin, true, latinLabels},
                    {"latin_animated", TextScript::Latin, false, latinLabels},
                    {"japanese_still", TextScript::Japanese, true, japaneseLabels},
                    {"japanese_animated", TextScript::Japanese, false, japaneseLabels}};
    for (const auto& f : families)
        benchmark::RegisterBenchmark(
            f.name, [f](benchmark::State& state) { textBenchmark(state, f.script, f.still); })
            ->Arg(f.labels)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->MinTime(minSeconds);
}

}  // namespace trellis
