// The choice of renderer, and the batched renderer's frame: snapshot, record, then draw in
// batches, put back the saved copy, or repair the changed places of it.
#include "trellis/render/Renderer.h"

#include "Batcher.h"
#include "FrameCopy.h"
#include "FrameSnapshot.h"
#include "GlStateProbe.h"
#include "RendererObjects.h"
#include "TreeRecorder.h"

#include "font/GlContext.h"
#include "gui/look/SkinImageAtlas.h"
#include "state/KeptVariable.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/render/DebugLines.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace trellis {

namespace {

// Below this many primitives, and this many vertices, drawing a frame costs less than saving and
// putting back its pixels (two blits of the viewport on llvmpipe). The vertices count for text
// from the glyph atlas, whose every glyph is a quad of the text's one primitive: 7,200 is what
// 600 primitives of buttons hold. A frame that puts back only a part of the viewport needs that
// part's share of them.
constexpr size_t kCopyWorthPrimitives = 600, kCopyWorthVertices = 7200;
// A repair redraws at most this share of the viewport; more is drawn in full.
constexpr long kRepairShareDivisor = 4;
// Frames drawn in full in a row, after which the copy is no longer saved (everything changes
// every frame: saving would only cost).
constexpr int kChangingFrames = 3;

Renderer initialRenderer() {
    const char* chosen = std::getenv("TRELLIS_RENDERER");
    if (!chosen)
        return Renderer::Automatic;
    if (std::strcmp(chosen, "immediate") == 0)
        return Renderer::Immediate;
    if (std::strcmp(chosen, "batched") == 0)
        return Renderer::Batched;
    if (std::strcmp(chosen, "shader") == 0)
        return Renderer::Shader;
    return Renderer::Automatic;
}

// The renderer that draws in a context, given the one chosen.
Renderer rendererFor(Renderer chosen, const GlContextInfo& context) {
    if (!context.fixedFunction)
        return Renderer::Shader;
    if (chosen == Renderer::Automatic || (chosen == Renderer::Shader && !context.shaders))
        return Renderer::Batched;
    return chosen;
}

Renderer chosenRenderer = initialRenderer();
bool frameReuse = true;
RenderStats stats;

// The batched renderer's state kept from frame to frame.
struct Batched {
    TreeRecorder recorder;
    Batcher batcher;
    FrameSnapshot snapshot;
    FrameCopy copy;
    ShaderPipeline shaders;
    const void* context = nullptr;  // the context the last frame was drawn in
    DrawList list, previous;        // this frame's and the last frame's recording
    bool recorded = false;          // list holds the last frame
    int changingFrames = 0;         // frames drawn in full in a row
};
std::unique_ptr<Batched> batchedState;  // made at the first frame
bool shaderFailureReported = false;

const bool perInterface =
    keepPerInterface(chosenRenderer, frameReuse, stats, batchedState, shaderFailureReported);

Batched& batched() {
    if (!batchedState)
        batchedState = std::make_unique<Batched>();
    return *batchedState;
}

// Says once why the shader renderer cannot draw; its frames are then left out.
void reportShaderFailure(const std::string& why) {
    if (!shaderFailureReported)
        reportDiagnostic(
            Diagnostic{"", 0, 0, Severity::Error, why + "; the interface is not drawn"});
    shaderFailureReported = true;
}

void drawImmediately(GuiElement* root, bool debugLines) {
    if (root)
        root->drawTree();
    if (debugLines)
        drawDebugLinesNow();
}

// After an element drawn by itself left GL state behind: the rest of the frame as the immediate
// path draws it, each element at its translation (one drawn by itself with its subtree).
void drawRestImmediately(const DrawList& list, size_t afterMark) {
    for (size_t m = afterMark + 1; m < list.marks.size(); ++m) {
        const ElementMark& mark = list.marks[m];
        // Within the clip it lies in, as drawTree would have set it.
        if (mark.clip) {
            const PixelBox& box = list.clips[mark.clip - 1];
            glEnable(GL_SCISSOR_TEST);
            glScissor(box.x0, box.y0, std::max(0, box.x1 - box.x0), std::max(0, box.y1 - box.y0));
        } else {
            glDisable(GL_SCISSOR_TEST);
        }
        glPushMatrix();
        glLoadIdentity();
        if (!mark.element) {
            drawDebugLinesNow();
        } else if (mark.handOver) {
            glTranslatef(mark.parentX, mark.parentY, 0);
            mark.element->drawTree();
        } else {
            glTranslatef(mark.tx, mark.ty, 0);
            mark.element->draw();
        }
        glPopMatrix();
    }
    glDisable(GL_SCISSOR_TEST);
}

// The union of the places that changed: each changed entry's box last frame and now (all of
// the viewport should the recordings not match the snapshot's entries).
PixelBox changedBox(const FrameChanges& changes, const DrawList& before, const DrawList& now,
                    const PixelBox& viewport) {
    PixelBox box;
    for (uint32_t i : changes.changed) {
        if (i >= before.marks.size() || i >= now.marks.size())
            return viewport;
        box.unite(before.marks[i].box);
        box.unite(now.marks[i].box);
    }
    return box;
}

// The parts of area outside box, as up to four boxes: below and above it across area, then
// left and right of it between those; the empty ones left out.
std::vector<PixelBox> stripsAround(const PixelBox& box, const PixelBox& area) {
    const PixelBox candidates[] = {
        {area.x0, area.y0, area.x1, std::min(area.y1, box.y0)},
        {area.x0, std::max(area.y0, box.y1), area.x1, area.y1},
        {area.x0, std::max(area.y0, box.y0), std::min(area.x1, box.x0), std::min(area.y1, box.y1)},
        {std::max(area.x0, box.x1), std::max(area.y0, box.y0), area.x1, std::min(area.y1, box.y1)},
    };
    std::vector<PixelBox> strips;
    for (const PixelBox& strip : candidates)
        if (!strip.empty())
            strips.push_back(strip);
    return strips;
}

void renderBatched(GuiElement* root, bool debugLines, const GlContextInfo& context, bool shaders) {
    Batched& b = batched();
    RecordStart start;
    bool ordered = false;
    if (context.fixedFunction) {
        if (!readRecordStart(start)) {
            b.snapshot.forget();
            drawImmediately(root, debugLines);
            stats.path = RenderStats::Path::Immediate;
            return;
        }
    } else if (!readShaderStart(start)) {
        // No depth buffer: painter's order kept by drawing in it, never reused.
        ordered = true;
        b.snapshot.forget();
    }
    if (shaders) {
        std::string error;
        if (!b.shaders.prepare(context, error)) {
            reportShaderFailure(error);
            return;
        }
    }
    b.batcher.useShaders(shaders ? &b.shaders : nullptr, context.fixedFunction, ordered);
    if (!frameReuse)
        b.snapshot.forget();
    const FrameChanges& changes = b.snapshot.compare(root, debugLines, start);
    const bool rerecord = changes.any || !b.recorded || b.list.handOvers;
    if (rerecord) {
        // The frame drawn last, which may have drawn from a skin atlas since replaced, is done.
        skinImageAtlas().releaseFormerTextures();
        std::swap(b.list, b.previous);
        b.recorder.recordFrame(root, debugLines, start, b.list);
        b.recorded = true;
    }
    DrawList& list = b.list;
    stats.primitives = list.primitives.size();
    stats.culled = b.recorder.culled;
    const PixelBox viewportBox{start.viewport[0], start.viewport[1],
                               start.viewport[0] + start.viewport[2],
                               start.viewport[1] + start.viewport[3]};
    // The pixels a copy can give back: those that do not depend on what lies beneath, all of
    // the viewport when the frame covers it, else its largest opaque rectangle.
    const bool covers = list.coversViewport();
    const PixelBox cover = covers ? viewportBox : list.opaqueBox(start.viewport);
    const bool copyable = frameReuse && FrameCopy::possible() && !cover.empty();
    const bool held = copyable && b.copy.holds(start.viewport);
    // Puts the cover back from the copy and, where it is not the whole viewport, draws again
    // what the frame draws beyond it, over the host's pixels, strip by strip under scissors
    // that keep the cover out. Returns whether anything was drawn.
    stats.drawCalls = 0;
    const auto putBack = [&] {
        b.copy.restoreRegion(cover);
        if (covers)
            return false;
        const std::vector<PixelBox> strips = stripsAround(cover, list.bounds().meet(viewportBox));
        for (const PixelBox& strip : strips) {
            b.batcher.draw(list, &strip);
            stats.drawCalls += b.batcher.drawCalls;
        }
        return !strips.empty();
    };
    if (!changes.any && held) {
        if (!putBack())
            b.batcher.leaveEndState(list.end, false);
        stats.path = covers ? RenderStats::Path::Copied : RenderStats::Path::Overlaid;
        currentTextSize = list.endTextSize;
        b.changingFrames = 0;
        return;
    }
    // A few changed places are repaired in the copy's pixels, if the copy's cover is this
    // frame's too.
    const auto sameCover = [&] {
        return covers ? b.previous.coversViewport() : b.previous.opaqueBox(start.viewport) == cover;
    };
    if (changes.any && !changes.structure && held && sameCover()) {
        const PixelBox box = changedBox(changes, b.previous, list, viewportBox).meet(cover);
        if (box.area() * kRepairShareDivisor <= cover.area()) {
            const bool drew = putBack();
            if (!box.empty()) {
                b.batcher.draw(list, &box);
                stats.drawCalls += b.batcher.drawCalls;
                b.copy.saveRegion(box);
            } else if (!drew) {
                b.batcher.leaveEndState(list.end, false);
            }
            stats.path = RenderStats::Path::Repaired;
            stats.repairedArea = box.area();
            b.changingFrames = 0;
            return;
        }
    }
    const long leaked = b.batcher.draw(list, nullptr);
    currentTextSize = list.endTextSize;
    stats.path = RenderStats::Path::Drawn;
    stats.drawCalls = b.batcher.drawCalls;
    if (leaked >= 0) {
        drawRestImmediately(list, size_t(leaked));
        b.snapshot.forget();
        b.copy.forget();
        return;
    }
    // Keep the pixels for the frames to come, if they are worth keeping.
    b.changingFrames = changes.any ? b.changingFrames + 1 : 0;
    const double share = double(cover.area()) / double(std::max(1L, viewportBox.area()));
    const bool worth = double(list.primitives.size()) >= kCopyWorthPrimitives * share ||
                       double(list.vertices.size()) >= kCopyWorthVertices * share;
    if (copyable && worth && b.changingFrames < kChangingFrames)
        b.copy.save(start.viewport);
    else
        b.copy.forget();
}

}  // namespace

void setFrameReuse(bool reuse) {
    frameReuse = reuse;
    forgetRenderedFrame();
}

void setRenderer(Renderer renderer) {
    chosenRenderer = renderer;
    forgetRenderedFrame();
}

Renderer currentRenderer() {
    const GlContextInfo context = currentGlContext();
    return context.current ? rendererFor(chosenRenderer, context) : chosenRenderer;
}

RenderStats lastRenderStats() {
    return stats;
}

void renderTree(GuiElement* root, bool debugLines) {
    stats = RenderStats();
    const GlContextInfo context = currentGlContext();
    // Saved pixels and names of another context mean nothing in this one.
    const void* key = currentContextKey();
    if (key != batched().context) {
        forgetRenderedFrame();
        batched().context = key;
    }
    const Renderer renderer = rendererFor(chosenRenderer, context);
    if (renderer == Renderer::Immediate) {
        drawImmediately(root, debugLines);
        return;
    }
    renderBatched(root, debugLines, context, renderer == Renderer::Shader);
}

void releaseRendererObjects() {
    if (!batchedState || !glGetString(GL_VERSION))
        return;
    Batched& b = *batchedState;
    b.shaders.release();
    // The copy's names are those of the context the last frame was drawn in.
    if (b.context == currentContextKey())
        b.copy.release();
    forgetRenderedFrame();
}

void forgetRenderedFrame() {
    Batched& b = batched();
    b.snapshot.forget();
    b.copy.forget();
    b.recorded = false;
    b.changingFrames = 0;
}

}  // namespace trellis
