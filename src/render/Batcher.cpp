// Batching a recorded frame by state and depth, and the draw calls.
#include "Batcher.h"

#include "GlStateProbe.h"

#include "font/FontTexture.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiElement.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace trellis {

void Batcher::prepare(const DrawList& list, const PixelBox* only) {
    sorted.clear();
    batches.clear();
    stretches.clear();
    // Stretch boundaries: hand-overs (at their mark's first primitive) and depth clears, merged
    // in primitive order; a hand-over comes after a clear at the same place.
    size_t reset = 0;
    uint32_t begin = 0;
    const uint32_t total = uint32_t(list.primitives.size());
    auto closeStretch = [&](uint32_t end, long handOver, bool clearDepth) {
        const uint32_t first = uint32_t(batches.size());
        batchStretch(list, begin, end, only);
        stretches.push_back({first, uint32_t(batches.size()), handOver, clearDepth});
        begin = end;
    };
    for (size_t m = 0; m <= list.marks.size(); ++m) {
        const bool last = m == list.marks.size();
        if (!last && !list.marks[m].handOver)
            continue;
        const uint32_t at = last ? total : list.marks[m].firstPrimitive;
        while (reset < list.depthResets.size() && list.depthResets[reset] <= at)
            closeStretch(list.depthResets[reset++], -1, true);
        closeStretch(at, last ? -1 : long(m), false);
    }
}

void Batcher::clearDepthTo(float value) const {
    // OpenGL ES has only the single-precision call, OpenGL before 4.1 only the other.
    if (shaders)
        glClearDepthf(value);
    else
        glClearDepth(value);
}

void Batcher::useShaders(ShaderPipeline* pipeline, bool fixedFunction, bool ordered) {
    shaders = pipeline;
    handOvers = fixedFunction;
    inOrder = ordered;
}

void Batcher::batchStretch(const DrawList& list, uint32_t begin, uint32_t end,
                           const PixelBox* only) {
    if (inOrder) {
        const size_t stretchStart = batches.size();
        for (uint32_t p = begin; p < end; ++p) {
            const DrawPrimitive& prim = list.primitives[p];
            if (only && !prim.box.overlaps(*only))
                continue;
            const uint32_t first = uint32_t(sorted.size());
            sorted.insert(sorted.end(), list.vertices.begin() + prim.first,
                          list.vertices.begin() + prim.first + prim.count);
            if (batches.size() > stretchStart && batches.back().state == prim.state)
                batches.back().count += prim.count;
            else
                batches.push_back({prim.state, first, prim.count});
        }
        return;
    }
    for (auto& prims : byState)
        prims.clear();
    for (uint32_t p = begin; p < end; ++p)
        if (!only || list.primitives[p].box.overlaps(*only))
            byState[int(list.primitives[p].state)].push_back(p);
    // Unblended states in any order (depth decides), glyphs last in painter's order.
    for (DrawState s :
         {DrawState::FlatQuads, DrawState::TexturedQuads, DrawState::Lines, DrawState::Glyphs}) {
        const std::vector<uint32_t>& prims = byState[int(s)];
        if (prims.empty())
            continue;
        const uint32_t first = uint32_t(sorted.size());
        for (uint32_t p : prims) {
            const DrawPrimitive& prim = list.primitives[p];
            sorted.insert(sorted.end(), list.vertices.begin() + prim.first,
                          list.vertices.begin() + prim.first + prim.count);
        }
        batches.push_back({s, first, uint32_t(sorted.size()) - first});
    }
}

void Batcher::setState(DrawState state) {
    if (current == int(state))
        return;
    if (shaders) {
        shaders->setState(state);
        current = int(state);
        return;
    }
    if (state == DrawState::TexturedQuads || state == DrawState::Glyphs)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    if (state == DrawState::Glyphs) {
        glBindTexture(GL_TEXTURE_2D, fontTextureHere());
        glAlphaFunc(GL_GEQUAL, 0.1f);
        glEnable(GL_ALPHA_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        // Glyphs blend in painter's order among themselves: they test depth but write none.
        glDepthMask(GL_FALSE);
    } else {
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
    }
    current = int(state);
}

void Batcher::beginBatches() {
    current = -1;
    if (shaders) {
        shaders->begin(sorted);
        if (!inOrder)
            glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &savedArrayBuffer);
    glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &savedClientTexture);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glClientActiveTexture(GL_TEXTURE0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_SECONDARY_COLOR_ARRAY);
    glDisableClientState(GL_FOG_COORD_ARRAY);
    glDisableClientState(GL_EDGE_FLAG_ARRAY);
    glDisableClientState(GL_INDEX_ARRAY);
    const GLsizei stride = sizeof(DrawVertex);
    if (!sorted.empty()) {
        glVertexPointer(3, GL_FLOAT, stride, &sorted[0].x);
        glTexCoordPointer(2, GL_FLOAT, stride, &sorted[0].s);
        glColorPointer(4, GL_FLOAT, stride, sorted[0].rgba);
    }
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    current = -1;
}

void Batcher::endBatches() {
    glDisable(GL_DEPTH_TEST);
    if (shaders) {
        shaders->end();
        return;
    }
    glPopClientAttrib();
    glClientActiveTexture(GLenum(savedClientTexture));
    glBindBuffer(GL_ARRAY_BUFFER, GLuint(savedArrayBuffer));
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

bool Batcher::handOver(const ElementMark& mark) {
    // Without the fixed-function pipeline there is nothing such an element could draw with.
    if (!handOvers)
        return true;
    // The state the immediate path gives the element: screen projection, its parent's translation,
    // nothing blended, and the texturing, colour and texture coordinate of the drawing before.
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDepthMask(savedDepthMask);
    glDepthFunc(GLenum(savedDepthFunc));
    const ImmediateState& s = mark.state;
    const bool texturing = s.knownTexturing ? s.texturing : leftTexturing;
    if (texturing)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    glColor4fv(s.knownColor ? s.color : leftColor);
    glTexCoord2fv(s.knownTexCoord ? s.texCoord : leftTexCoord);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(mark.parentX, mark.parentY, 0);
    GlStateProbe before, after;
    before.read();
    mark.element->drawTree();
    after.read();
    glPopMatrix();
    glGetFloatv(GL_CURRENT_COLOR, leftColor);
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, leftTexCoord);
    leftTexturing = glIsEnabled(GL_TEXTURE_2D);
    ++drawCalls;
    return before == after;
}

long Batcher::draw(const DrawList& list, const PixelBox* only) {
    drawCalls = 0;
    prepare(list, only);
    glGetIntegerv(GL_DEPTH_FUNC, &savedDepthFunc);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &savedDepthMask);
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &savedClearDepth);
    if (handOvers) {
        glGetFloatv(GL_CURRENT_COLOR, leftColor);
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, leftTexCoord);
        leftTexturing = glIsEnabled(GL_TEXTURE_2D);
    }
    // The depth buffer starts at the far plane wherever this frame draws.
    glDepthMask(GL_TRUE);
    clearDepthTo(1.0f);
    if (only) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(only->x0, only->y0, only->x1 - only->x0, only->y1 - only->y0);
    }
    if (!inOrder)
        glClear(GL_DEPTH_BUFFER_BIT);
    long leakedAt = -1;
    for (const Stretch& stretch : stretches) {
        if (stretch.firstBatch != stretch.endBatch) {
            beginBatches();
            for (uint32_t b = stretch.firstBatch; b < stretch.endBatch; ++b) {
                setState(batches[b].state);
                if (shaders)
                    shaders->draw(batches[b].state, batches[b].first, batches[b].count);
                else
                    glDrawArrays(batches[b].state == DrawState::Lines ? GL_LINES : GL_QUADS,
                                 GLint(batches[b].first), GLsizei(batches[b].count));
                ++drawCalls;
            }
            endBatches();
        }
        if (stretch.clearDepth && !inOrder) {
            glDepthMask(GL_TRUE);
            glClear(GL_DEPTH_BUFFER_BIT);
        }
        if (stretch.handOver >= 0 && !handOver(list.marks[size_t(stretch.handOver)])) {
            leakedAt = stretch.handOver;
            break;
        }
    }
    if (only)
        glDisable(GL_SCISSOR_TEST);
    clearDepthTo(savedClearDepth);
    glDepthFunc(GLenum(savedDepthFunc));
    glDepthMask(savedDepthMask);
    if (leakedAt < 0)
        leaveEndState(list.end, true);
    return leakedAt;
}

void Batcher::leaveEndState(const ImmediateState& end, bool restore) const {
    if (!handOvers)
        return;
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    if (end.knownTexturing || restore) {
        if (end.knownTexturing ? end.texturing : leftTexturing)
            glEnable(GL_TEXTURE_2D);
        else
            glDisable(GL_TEXTURE_2D);
    }
    if (end.knownColor || restore)
        glColor4fv(end.knownColor ? end.color : leftColor);
    if (end.knownTexCoord || restore)
        glTexCoord2fv(end.knownTexCoord ? end.texCoord : leftTexCoord);
}

}  // namespace trellis
