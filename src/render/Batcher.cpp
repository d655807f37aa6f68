// Batching a recorded frame by state and depth, and the draw calls.
#include "Batcher.h"

#include "BlendState.h"
#include "GlStateProbe.h"

#include "font/FontTexture.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiElement.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <tuple>

namespace trellis {

Batcher::BatchKey Batcher::keyOf(const DrawList& list, uint32_t p) const {
    const DrawPrimitive& prim = list.primitives[p];
    if (!clipsInVertices)
        return {prim.state, scissorOf[p], prim.texture};
    // The shader renderer cuts clipped primitives in its programs, each to the clip its
    // vertices carry: one call for all the clipped ones of a state. Blended ones all go through
    // the cutting program, so that clipped and unclipped ones do not need layers apart.
    const bool cut = prim.clip || isBlended(prim.state);
    return {prim.state, cut ? kClipInVertices : 0, prim.texture};
}

void Batcher::prepare(const DrawList& list, const PixelBox* only) {
    sorted.clear();
    sortedClips.clear();
    clipsInVertices = shaders && !list.clips.empty();
    batches.clear();
    stretches.clear();
    scissors = list.clips;
    scissorOf.resize(list.primitives.size());
    for (size_t p = 0; p < list.primitives.size(); ++p)
        scissorOf[p] = list.primitives[p].clip;
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

namespace {

// The bounds of the pixels of reach that lie outside clip; empty when there are none.
PixelBox outsideOf(const PixelBox& reach, const PixelBox& clip) {
    const PixelBox& r = reach;
    const PixelBox strips[] = {{r.x0, r.y0, std::min(r.x1, clip.x0), r.y1},
                               {std::max(r.x0, clip.x1), r.y0, r.x1, r.y1},
                               {r.x0, r.y0, r.x1, std::min(r.y1, clip.y0)},
                               {r.x0, std::max(r.y0, clip.y1), r.x1, r.y1}};
    PixelBox outside;
    for (const PixelBox& strip : strips)
        outside.unite(strip);
    return outside;
}

bool meets(const PixelBox& a, const PixelBox& b) {
    return !a.empty() && !b.empty() && a.overlaps(b);
}

}  // namespace

void Batcher::shareScissors(const DrawList& list, uint32_t begin, uint32_t end,
                            const PixelBox* only) {
    // The primitives of one clip, state and texture stay together (so that no call is split),
    // as a unit with the bounds of what its primitives would light outside the clip.
    units.clear();
    unitOf.assign(list.clips.size() + 1, kNoUnit);
    for (uint32_t p = begin; p < end; ++p) {
        const DrawPrimitive& prim = list.primitives[p];
        if (!prim.clip || (only && !prim.box.overlaps(*only)))
            continue;
        uint32_t u = unitOf[prim.clip];
        while (u != kNoUnit && (units[u].state != prim.state || units[u].texture != prim.texture))
            u = units[u].next;
        if (u == kNoUnit) {
            u = uint32_t(units.size());
            units.push_back({prim.state, prim.texture, prim.clip, {}, unitOf[prim.clip], 0});
            unitOf[prim.clip] = u;
        }
        units[u].outside.unite(outsideOf(prim.reach, list.clips[prim.clip - 1]));
        scissorOf[p] = u;  // for now: its unit
    }
    // Each unit joins the first open scissor of its state and texture that, widened to its
    // clip, meets nothing any unit there (itself included) would light outside its own clip;
    // when all are taken, the oldest closes.
    constexpr size_t kMostOpen = 128;
    shared.clear();
    size_t oldest = 0;
    for (Unit& unit : units) {
        const PixelBox& clip = list.clips[unit.clip - 1];
        SharedScissor* joined = nullptr;
        for (SharedScissor& open : shared) {
            if (open.state != unit.state || open.texture != unit.texture)
                continue;
            PixelBox wider = scissors[open.scissor - 1];
            wider.unite(clip);
            if (meets(wider, open.outside) || meets(wider, unit.outside))
                continue;
            scissors[open.scissor - 1] = wider;
            joined = &open;
            break;
        }
        if (!joined) {
            scissors.push_back(clip);
            const SharedScissor made{unit.state, unit.texture, uint32_t(scissors.size()), {}};
            if (shared.size() < kMostOpen) {
                shared.push_back(made);
                joined = &shared.back();
            } else {
                joined = &shared[oldest];
                *joined = made;
                oldest = (oldest + 1) % kMostOpen;
            }
        }
        joined->outside.unite(unit.outside);
        unit.scissor = joined->scissor;
    }
    for (uint32_t p = begin; p < end; ++p)
        if (list.primitives[p].clip && (!only || list.primitives[p].box.overlaps(*only)))
            scissorOf[p] = units[scissorOf[p]].scissor;
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

void Batcher::appendBatch(const DrawList& list, const BatchKey& key, const uint32_t* primitives,
                          size_t count) {
    const uint32_t first = uint32_t(sorted.size());
    for (size_t i = 0; i < count; ++i) {
        const DrawPrimitive& prim = list.primitives[primitives[i]];
        sorted.insert(sorted.end(), list.vertices.begin() + prim.first,
                      list.vertices.begin() + prim.first + prim.count);
        if (clipsInVertices) {
            // Window pixels x0, y0, x1, y1; unclipped: further than any window reaches.
            constexpr float kFar = 1 << 30;
            float box[4] = {-kFar, -kFar, kFar, kFar};
            if (prim.clip) {
                const PixelBox& c = list.clips[prim.clip - 1];
                box[0] = float(c.x0), box[1] = float(c.y0), box[2] = float(c.x1);
                box[3] = float(c.y1);
            }
            for (uint32_t v = 0; v < prim.count; ++v)
                sortedClips.insert(sortedClips.end(), box, box + 4);
        }
    }
    Batch& last = batches.back();
    if (last.key == key && last.first + last.count == first)
        last.count += uint32_t(sorted.size()) - first;
}

void Batcher::batchStretch(const DrawList& list, uint32_t begin, uint32_t end,
                           const PixelBox* only) {
    const size_t stretchStart = batches.size();
    // Starts a batch of key unless the stretch's last one has that key.
    const auto batchFor = [&](const BatchKey& key, bool join) {
        if (!join || batches.size() == stretchStart || !(batches.back().key == key))
            batches.push_back({key, uint32_t(sorted.size()), 0});
    };
    if (inOrder) {
        for (uint32_t p = begin; p < end; ++p) {
            if (only && !list.primitives[p].box.overlaps(*only))
                continue;
            batchFor(keyOf(list, p), true);
            appendBatch(list, keyOf(list, p), &p, 1);
        }
        return;
    }
    if (!shaders)
        shareScissors(list, begin, end, only);
    for (size_t b = 0; b < bucketsUsed; ++b)
        buckets[b].primitives.clear();
    bucketsUsed = 0;
    blended.clear();
    size_t last = 0;  // the bucket used last: neighbours mostly share one
    for (uint32_t p = begin; p < end; ++p) {
        if (only && !list.primitives[p].box.overlaps(*only))
            continue;
        const BatchKey key = keyOf(list, p);
        if (isBlended(key.state)) {
            blended.push_back(p);
            continue;
        }
        if (last >= bucketsUsed || !(buckets[last].key == key)) {
            last = 0;
            while (last < bucketsUsed && !(buckets[last].key == key))
                ++last;
            if (last == bucketsUsed) {
                if (bucketsUsed == buckets.size())
                    buckets.emplace_back();
                buckets[bucketsUsed++].key = key;
            }
        }
        buckets[last].primitives.push_back(p);
    }
    // Unblended keys in any order (depth decides), then the blended ones in layers.
    for (size_t b = 0; b < bucketsUsed; ++b) {
        batchFor(buckets[b].key, false);
        appendBatch(list, buckets[b].key, buckets[b].primitives.data(),
                    buckets[b].primitives.size());
    }
    orderBlended(list);
    for (size_t i = 0; i < blended.size(); ++i) {
        batchFor(keyOf(list, blended[i]), i == 0 || layers[i] == layers[i - 1]);
        appendBatch(list, keyOf(list, blended[i]), &blended[i], 1);
    }
}

void Batcher::orderBlended(const DrawList& list) {
    layers.assign(blended.size(), 0);
    const auto sameKey = [&](uint32_t a, uint32_t b) { return keyOf(list, a) == keyOf(list, b); };
    bool oneKey = true;
    for (size_t i = 1; i < blended.size() && oneKey; ++i)
        oneKey = sameKey(blended[0], blended[i]);
    if (oneKey)
        return;
    // Each primitive's layer is the least that puts it above every earlier one it overlaps of
    // another key, and not below one of its own key: within a layer, primitives of different
    // keys do not overlap, so their calls may come in any order. Earlier primitives are found
    // through a grid of cells over the window's pixels.
    constexpr int kCell = 32, kColumns = 64, kRows = 64;
    cells.resize(size_t(kColumns) * kRows);
    for (auto& cell : cells)
        cell.clear();
    const auto column = [](int x) { return std::clamp(x / kCell, 0, kColumns - 1); };
    const auto row = [](int y) { return std::clamp(y / kCell, 0, kRows - 1); };
    for (size_t i = 0; i < blended.size(); ++i) {
        const PixelBox& box = list.primitives[blended[i]].box;
        const int c0 = column(box.x0), c1 = column(box.x1), r0 = row(box.y0), r1 = row(box.y1);
        int layer = 0;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                for (uint32_t j : cells[size_t(r) * kColumns + size_t(c)])
                    if (list.primitives[blended[j]].box.overlaps(box))
                        layer =
                            std::max(layer, layers[j] + (sameKey(blended[j], blended[i]) ? 0 : 1));
        layers[i] = layer;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                cells[size_t(r) * kColumns + size_t(c)].push_back(uint32_t(i));
    }
    // Layer by layer, each key's primitives together in painter's order.
    order.resize(blended.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = uint32_t(i);
    const auto rank = [&](uint32_t i) {
        const BatchKey key = keyOf(list, blended[i]);
        return std::make_tuple(layers[i], int(key.state), key.clip, key.texture);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return rank(a) < rank(b); });
    reordered.resize(order.size());
    reorderedLayers.resize(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        reordered[i] = blended[order[i]];
        reorderedLayers[i] = layers[order[i]];
    }
    blended.swap(reordered);
    layers.swap(reorderedLayers);
}

void Batcher::setClip(uint32_t clip) {
    if (clip == kClipInVertices)
        clip = 0;
    if (scissorFor == long(clip))
        return;
    scissorFor = long(clip);
    if (!clip && !repairBox) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    PixelBox box = clip ? scissors[clip - 1] : *repairBox;
    if (clip && repairBox)
        box = box.meet(*repairBox);
    glEnable(GL_SCISSOR_TEST);
    glScissor(box.x0, box.y0, std::max(0, box.x1 - box.x0), std::max(0, box.y1 - box.y0));
}

void Batcher::setState(const BatchKey& key) {
    if (stateSet && current == key)
        return;
    const DrawState state = key.state;
    const bool picture =
        state == DrawState::PictureQuads || state == DrawState::BlendedPictureQuads;
    current = key;
    stateSet = true;
    if (shaders) {
        shaders->setState(state, picture ? key.texture : 0, key.clip == kClipInVertices);
        return;
    }
    if (state == DrawState::FlatQuads || state == DrawState::Lines)
        glDisable(GL_TEXTURE_2D);
    else
        glEnable(GL_TEXTURE_2D);
    // Pictures bring their own texture; textured quads sample the one the frame began with.
    if (picture)
        glBindTexture(GL_TEXTURE_2D, key.texture);
    else if (state == DrawState::Glyphs)
        glBindTexture(GL_TEXTURE_2D, fontTextureHere());
    else if (state == DrawState::TexturedQuads)
        glBindTexture(GL_TEXTURE_2D, GLuint(savedTexture));
    if (state == DrawState::Glyphs) {
        glAlphaFunc(GL_GEQUAL, 0.1f);
        glEnable(GL_ALPHA_TEST);
    } else {
        glDisable(GL_ALPHA_TEST);
    }
    applyBlending(state);
}

void Batcher::beginBatches() {
    stateSet = false;
    if (shaders) {
        shaders->begin(sorted, sortedClips);
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
}

void Batcher::endBatches() {
    glDisable(GL_DEPTH_TEST);
    if (shaders) {
        shaders->end();
        return;
    }
    glBindTexture(GL_TEXTURE_2D, GLuint(savedTexture));
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
    // The scissor it would find: the clip it lies in.
    setClip(mark.clip);
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
    repairBox = only;
    scissorFor = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &savedTexture);
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
    setClip(0);
    if (!inOrder)
        glClear(GL_DEPTH_BUFFER_BIT);
    long leakedAt = -1;
    for (const Stretch& stretch : stretches) {
        if (stretch.firstBatch != stretch.endBatch) {
            beginBatches();
            for (uint32_t b = stretch.firstBatch; b < stretch.endBatch; ++b) {
                const Batch& batch = batches[b];
                setState(batch.key);
                setClip(batch.key.clip);
                if (shaders)
                    shaders->draw(batch.key.state, batch.first, batch.count);
                else
                    glDrawArrays(batch.key.state == DrawState::Lines ? GL_LINES : GL_QUADS,
                                 GLint(batch.first), GLsizei(batch.count));
                ++drawCalls;
            }
            endBatches();
        }
        if (stretch.clearDepth && !inOrder) {
            // The whole depth buffer (all of only) starts over, whatever the last clip.
            setClip(0);
            glDepthMask(GL_TRUE);
            glClear(GL_DEPTH_BUFFER_BIT);
        }
        if (stretch.handOver >= 0 && !handOver(list.marks[size_t(stretch.handOver)])) {
            leakedAt = stretch.handOver;
            break;
        }
    }
    if (only || scissorFor > 0)
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
