// The tree walk and the recording of quads, lines and glyphs as clip-space vertices.
#include "TreeRecorder.h"

#include "TreeWalk.h"
#include "font/GlContext.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/AtlasText.h"
#include "trellis/gui/DisabledLook.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScissorClip.h"
#include "trellis/render/DebugLines.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace trellis {

namespace {

// As GuiElement::drawTreeAtDepth: past this depth a translation is undone by its opposite.
constexpr int kMatrixPushDepth = 24;

// The floats glColor4ubv makes of each byte.
struct ByteColors {
    float value[256];
    ByteColors() {
        for (int i = 0; i < 256; ++i)
            value[i] = float(i) / 255.0f;
    }
};
const ByteColors byteColors;

void toFloats(const Color& c, float (&out)[4]) {
    for (int i = 0; i < 4; ++i)
        out[i] = byteColors.value[c.rgba[i]];
}

// Window pixel bounds, kept within a range where int conversion is safe (NaN widens).
constexpr float kPixelLimit = 1e7f;
int lowPixel(float v) {
    return v > -kPixelLimit ? int(std::floor(std::min(v, kPixelLimit))) - 1 : -int(kPixelLimit);
}
int highPixel(float v) {
    return v < kPixelLimit ? int(std::ceil(std::max(v, -kPixelLimit))) + 1 : int(kPixelLimit);
}

}  // namespace

void TreeRecorder::recordFrame(GuiElement* root, bool debugLines, const RecordStart& from,
                               DrawList& out) {
    // Text asks for its atlas pages' textures in this context, which stays current.
    const HeldContextKey context;
    start = from;
    list = &out;
    out.clear();
    out.viewportWidth = start.viewport[2];
    out.viewportHeight = start.viewport[3];
    viewportBox = {start.viewport[0], start.viewport[1], start.viewport[0] + start.viewport[2],
                   start.viewport[1] + start.viewport[3]};
    culled = 0;
    pieces = 0;
    clipStack.clear();
    upperLeft = windowOriginUpperLeft();
    // Until the frame sets them, colour, texture coordinate and texturing are as GL holds them.
    knownColor = knownTexCoord = knownTexturing = false;
    setTranslation(0, 0);
    if (root)
        recordTree(root, 0);
    if (debugLines) {
        // drawFrame has popped the tree's matrices: identity model-view.
        setTranslation(0, 0);
        markElement(nullptr);
        DebugLine lines[kMaxDebugLines];
        char pointerLine[128];
        const int count = currentDebugLines(lines, pointerLine);
        const float white[4] = {1, 1, 1, 1};
        std::memcpy(color, white, sizeof color);
        knownColor = true;
        for (int i = 0; i < count; ++i)
            glyphs(lines[i].text, kDebugRightEdge, lines[i].y, kDebugTextSize, true);
        closeMark(out.marks.back());
    }
    out.end = immediateState();
    out.endTextSize = currentTextSize;
}

ImmediateState TreeRecorder::immediateState() const {
    ImmediateState s;
    std::memcpy(s.color, color, sizeof color);
    std::memcpy(s.texCoord, texCoord, sizeof texCoord);
    s.texturing = texturing;
    s.knownColor = knownColor;
    s.knownTexCoord = knownTexCoord;
    s.knownTexturing = knownTexturing;
    return s;
}

void TreeRecorder::closeMark(ElementMark& mark) const {
    mark.box = {};
    for (uint32_t p = mark.firstPrimitive; p < list->primitives.size(); ++p)
        mark.box.unite(list->primitives[p].box);
}

void TreeRecorder::setTranslation(float x, float y) {
    tx = x;
    ty = y;
    // GL multiplies P * M in single precision; with a translation M the zero terms add nothing.
    mx = start.projection[0] * tx + start.projection[12];
    my = start.projection[5] * ty + start.projection[13];
}

void TreeRecorder::recordTree(GuiElement* e, int depth) {
    const float atX = e->x, atY = e->y;
    const float savedX = tx, savedY = ty;
    // glTranslatef: m12 = m0 * x + m12 with m0 = 1.
    setTranslation(atX + tx, atY + ty);
    markElement(e);
    list->marks.back().parentX = savedX;
    list->marks.back().parentY = savedY;
    const size_t at = list->marks.size() - 1;
    // A disabled element records its look through the fading recorder, unless its skin gives
    // it a disabled look.
    DisabledLook faded(*this, e->bgColor);
    if (!(drawsFaded(*e) ? e->record(faded) : e->record(*this))) {
        ElementMark& m = list->marks[at];
        m.handOver = true;
        ++list->handOvers;
        m.state = immediateState();
        // What drawTree() leaves is not known here; the batcher reads it back from GL.
        knownColor = knownTexCoord = knownTexturing = false;
    } else {
        closeMark(list->marks[at]);
        // The children clipped and scrolled as drawTree draws them: the translation there and
        // back is two float additions, as glTranslatef makes them.
        float left, top, right, bottom;
        const bool clips = e->childClip(left, top, right, bottom);
        if (clips)
            pushClip(left, top, right - left, bottom - top);
        const float scroll = e->childrenScrollY();
        if (scroll != 0)
            setTranslation(tx, -scroll + ty);
        visitVisibleChildren(*e, [&](GuiElement* child) { recordTree(child, depth + 1); });
        if (scroll != 0)
            setTranslation(tx, scroll + ty);
        if (clips)
            popClip();
        // What it draws over its children belongs to its place.
        const uint32_t over = uint32_t(list->primitives.size());
        e->recordOverChildren(*this);
        for (uint32_t p = over; p < list->primitives.size(); ++p)
            list->marks[at].box.unite(list->primitives[p].box);
    }
    if (depth < kMatrixPushDepth)
        setTranslation(savedX, savedY);
    else
        setTranslation(-atX + tx, -atY + ty);
}

void TreeRecorder::markElement(GuiElement* element) {
    ElementMark m{};
    m.element = element;
    m.tx = tx;
    m.ty = ty;
    m.firstPrimitive = uint32_t(list->primitives.size());
    m.clip = currentClip();
    list->marks.push_back(m);
}

uint32_t TreeRecorder::beginPrimitive(DrawState state, uint32_t count) {
    // Every piece gets a depth of its own, later pieces nearer; when the depth buffer's range
    // is used up it is cleared before the next primitive (all earlier drawing is final then).
    if (pieces + count > start.depthPieces && pieces > 0) {
        list->depthResets.push_back(uint32_t(list->primitives.size()));
        pieces = 0;
    }
    const uint32_t first = uint32_t(list->vertices.size());
    list->primitives.push_back({state, currentClip(), first, 0, {}, 0, {}});
    return first;
}

void TreeRecorder::vertex(DrawVertex& v, float x, float y, float s, float t,
                          const float* rgba) const {
    // The vertex program computes p0 * x + m12 (the other terms are zero): no fused multiply-add
    // may change it, which the build's -ffp-contract=off for this file ensures.
    v.x = start.projection[0] * x + mx;
    v.y = start.projection[5] * y + my;
    v.z = z;
    v.s = s;
    v.t = t;
    std::memcpy(v.rgba, rgba, sizeof v.rgba);
}

void TreeRecorder::flipForOrigin(float& minY, float& maxY) const {
    // With the window's origin at its upper left, clip y runs down the window's rows.
    if (upperLeft) {
        const float low = -maxY;
        maxY = -minY;
        minY = low;
    }
}

PixelBox TreeRecorder::boxOf(float minX, float minY, float maxX, float maxY) const {
    flipForOrigin(minY, maxY);
    const float halfW = 0.5f * float(start.viewport[2]), halfH = 0.5f * float(start.viewport[3]);
    return {lowPixel((minX + 1) * halfW) + start.viewport[0],
            lowPixel((minY + 1) * halfH) + start.viewport[1],
            highPixel((maxX + 1) * halfW) + start.viewport[0],
            highPixel((maxY + 1) * halfH) + start.viewport[1]};
}

void TreeRecorder::boundsOf(const DrawPrimitive& p, float& minX, float& minY, float& maxX,
                            float& maxY) const {
    minX = minY = maxX = maxY = 0;
    for (uint32_t i = p.first; i < p.first + p.count; ++i) {
        const DrawVertex& v = list->vertices[i];
        if (i == p.first || !(v.x >= minX))
            minX = v.x;
        if (i == p.first || !(v.x <= maxX))
            maxX = v.x;
        if (i == p.first || !(v.y >= minY))
            minY = v.y;
        if (i == p.first || !(v.y <= maxY))
            maxY = v.y;
    }
}

bool TreeRecorder::cutFlatQuads(DrawPrimitive& p, const PixelBox& clip) {
    // Exact for rectangles of one colour: a polygon lights the pixels whose centres it covers,
    // and the clip's edges lie on whole pixels, half a pixel from any centre; one colour and
    // one depth per quad interpolate to themselves wherever the edges go.
    DrawVertex* v = list->vertices.data() + p.first;
    for (uint32_t q = 0; q < p.count; q += 4) {
        const DrawVertex* c = v + q;
        const bool rectangle =
            c[0].x == c[1].x && c[2].x == c[3].x && c[0].y == c[3].y && c[1].y == c[2].y;
        for (int i = 1; i < 4 && rectangle; ++i)
            if (std::memcmp(c[i].rgba, c[0].rgba, sizeof c[0].rgba) != 0)
                return false;
        if (!rectangle)
            return false;
    }
    // The clip's edges in clip coordinates (window rows flipped back for an upper-left origin).
    const float halfW = 0.5f * float(start.viewport[2]), halfH = 0.5f * float(start.viewport[3]);
    const float left = float(clip.x0 - start.viewport[0]) / halfW - 1;
    const float right = float(clip.x1 - start.viewport[0]) / halfW - 1;
    float bottom = float(clip.y0 - start.viewport[1]) / halfH - 1;
    float top = float(clip.y1 - start.viewport[1]) / halfH - 1;
    flipForOrigin(bottom, top);
    // Each edge pair narrowed to the clip, keeping which corner holds which end (the winding).
    const auto narrow = [](float& a, float& b, float low, float high) {
        float& lo = a <= b ? a : b;
        float& hi = a <= b ? b : a;
        lo = std::clamp(lo, low, high);
        hi = std::clamp(hi, low, high);
        return lo < hi;
    };
    uint32_t kept = 0;
    for (uint32_t q = 0; q < p.count; q += 4) {
        DrawVertex quad[4];
        std::copy(v + q, v + q + 4, quad);
        float x0 = quad[0].x, x1 = quad[2].x, y0 = quad[0].y, y1 = quad[1].y;
        if (!narrow(x0, x1, left, right) || !narrow(y0, y1, bottom, top))
            continue;
        quad[0].x = quad[1].x = x0;
        quad[2].x = quad[3].x = x1;
        quad[0].y = quad[3].y = y0;
        quad[1].y = quad[2].y = y1;
        std::copy(quad, quad + 4, v + kept);
        kept += 4;
    }
    p.count = kept;
    list->vertices.resize(p.first + kept);
    return true;
}

void TreeRecorder::finishPrimitive() {
    DrawPrimitive& p = list->primitives.back();
    p.count = uint32_t(list->vertices.size()) - p.first;
    float minX, minY, maxX, maxY;
    boundsOf(p, minX, minY, maxX, maxY);
    p.box = boxOf(minX, minY, maxX, maxY);
    bool outside = !p.box.overlaps(viewportBox);
    if (p.clip && p.count) {
        // Wholly inside its clip it needs none (and batches with the unclipped); wholly
        // outside it is left out; flat rectangles are cut to it; the rest keep it.
        const PixelBox& clip = list->clips[p.clip - 1];
        const PixelBox tight = tightBoxOf(p.state, minX, minY, maxX, maxY);
        if (!tight.overlaps(clip)) {
            outside = true;
        } else if (tight.meet(clip).area() == tight.area()) {
            p.clip = 0;
        } else if (p.state == DrawState::FlatQuads && cutFlatQuads(p, clip)) {
            p.clip = 0;
            boundsOf(p, minX, minY, maxX, maxY);
            p.box = boxOf(minX, minY, maxX, maxY).meet(clip);
            outside = !p.box.overlaps(viewportBox);
        } else {
            p.box = p.box.meet(clip);
            p.reach = tight;
        }
    }
    if (p.count == 0 || outside) {
        culled += p.count ? 1 : 0;
        list->vertices.resize(p.first);
        list->primitives.pop_back();
    }
}

PixelBox TreeRecorder::tightBoxOf(DrawState state, float minX, float minY, float maxX,
                                  float maxY) const {
    flipForOrigin(minY, maxY);
    // Window coordinates within the rasteriser's sub-pixel precision and float rounding.
    constexpr float kSlack = 1.0f / 64;
    const float halfW = 0.5f * float(start.viewport[2]), halfH = 0.5f * float(start.viewport[3]);
    const float x0 = (std::max(minX, -2.0f) + 1) * halfW, x1 = (std::min(maxX, 2.0f) + 1) * halfW;
    const float y0 = (std::max(minY, -2.0f) + 1) * halfH, y1 = (std::min(maxY, 2.0f) + 1) * halfH;
    PixelBox box;
    if (state == DrawState::Lines) {
        // A line lights pixels whose diamonds it crosses.
        box = {int(std::floor(x0 - kSlack)), int(std::floor(y0 - kSlack)),
               int(std::ceil(x1 + kSlack)), int(std::ceil(y1 + kSlack))};
    } else {
        // A polygon lights pixels whose centres it covers.
        box = {int(std::ceil(x0 - 0.5f - kSlack)), int(std::ceil(y0 - 0.5f - kSlack)),
               int(std::floor(x1 - 0.5f + kSlack)) + 1, int(std::floor(y1 - 0.5f + kSlack)) + 1};
    }
    box.x0 += start.viewport[0];
    box.x1 += start.viewport[0];
    box.y0 += start.viewport[1];
    box.y1 += start.viewport[1];
    return box;
}

PixelBox TreeRecorder::visibleBox() const {
    const uint32_t clip = currentClip();
    return clip ? viewportBox.meet(list->clips[clip - 1]) : viewportBox;
}

void TreeRecorder::pushClip(float x, float y, float width, float height) {
    // The box ScissorClip would set for the current translation.
    double modelView[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, tx, ty, 0, 1}, projection[16];
    for (int i = 0; i < 16; ++i)
        projection[i] = start.projection[i];
    long box[4];
    scissorBoxOf(x, y, width, height, modelView, projection, start.viewport, upperLeft, box);
    constexpr long kLimit = 1 << 30;
    PixelBox clip{
        int(std::clamp(box[0], -kLimit, kLimit)), int(std::clamp(box[1], -kLimit, kLimit)),
        int(std::clamp(box[2], -kLimit, kLimit)), int(std::clamp(box[3], -kLimit, kLimit))};
    if (const uint32_t outer = currentClip())
        clip = clip.meet(list->clips[outer - 1]);
    list->clips.push_back(clip);
    clipStack.push_back(uint32_t(list->clips.size()));
}

void TreeRecorder::popClip() {
    if (!clipStack.empty())
        clipStack.pop_back();
}

void TreeRecorder::quads(const RecordedVertex* v, int count, bool textured) {
    texturing = textured;
    knownTexturing = true;
    quadPrimitive(v, count, textured ? DrawState::TexturedQuads : DrawState::FlatQuads, 0);
}

void TreeRecorder::pictureQuads(const RecordedVertex* v, int count, unsigned int texture,
                                bool blended) {
    texturing = false;
    knownTexturing = true;
    quadPrimitive(v, count, blended ? DrawState::BlendedPictureQuads : DrawState::PictureQuads,
                  texture);
}

void TreeRecorder::quadPrimitive(const RecordedVertex* v, int count, DrawState state,
                                 unsigned int texture) {
    if (count < 4)
        return;
    const uint32_t quadCount = uint32_t(count) / 4;
    const uint32_t first = beginPrimitive(state, quadCount);
    list->primitives.back().texture = texture;
    list->vertices.resize(first + quadCount * 4);
    float rgba[4];
    for (uint32_t q = 0; q < quadCount; ++q) {
        z = 1.0f - float(++pieces) * start.depthStep;
        for (int i = 0; i < 4; ++i) {
            const RecordedVertex& r = v[q * 4 + i];
            toFloats(r.color, rgba);
            vertex(list->vertices[first + q * 4 + i], r.x, r.y, r.s, r.t, rgba);
        }
    }
    const RecordedVertex& last = v[quadCount * 4 - 1];
    toFloats(last.color, color);
    texCoord[0] = last.s;
    texCoord[1] = last.t;
    knownColor = knownTexCoord = true;
    finishPrimitive();
}

void TreeRecorder::lines(const RecordedVertex* v, int count) {
    texturing = false;
    knownTexturing = true;
    if (count < 2)
        return;
    const uint32_t lineCount = uint32_t(count) / 2;
    const uint32_t first = beginPrimitive(DrawState::Lines, lineCount);
    list->vertices.resize(first + lineCount * 2);
    float rgba[4];
    for (uint32_t l = 0; l < lineCount; ++l) {
        z = 1.0f - float(++pieces) * start.depthStep;
        for (int i = 0; i < 2; ++i) {
            const RecordedVertex& r = v[l * 2 + i];
            toFloats(r.color, rgba);
            vertex(list->vertices[first + l * 2 + i], r.x, r.y, 0, 0, rgba);
        }
    }
    toFloats(v[lineCount * 2 - 1].color, color);
    knownColor = true;
    finishPrimitive();
}

void TreeRecorder::text(const char* text, float x, float y, float size, const Color& c) {
    // The colour is set whether or not a font is loaded.
    toFloats(c, color);
    knownColor = true;
    if (!fontLoaded && !atlasTextDraws())
        return;
    // Wholly outside the viewport: only the side effects. Tabs are drawn from x = 0 of the
    // element, not from the line start, so the measured width bounds only texts without them.
    if (text && !std::strchr(text, '\t')) {
        const float used = size != 0 ? size : currentTextSize;
        // The rows it spans need no layout: a text wholly above or below is left out before
        // it is shaped.
        float width = 0, height = measureTextHeight(text, used);
        const float y0 = start.projection[5] * y + my, y1 = start.projection[5] * (y + height) + my;
        const PixelBox visible = visibleBox();
        const PixelBox rows = boxOf(0, std::min(y0, y1), 0, std::max(y0, y1));
        bool outside = rows.y0 >= visible.y1 || visible.y0 >= rows.y1;
        if (!outside) {
            measureText(text, used, width, height);
            const float x0 = start.projection[0] * x + mx,
                        x1 = start.projection[0] * (x + width) + mx;
            outside = !boxOf(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1))
                           .overlaps(visible);
        }
        if (outside) {
            currentTextSize = used;
            texturing = false;
            knownTexturing = true;
            // The last glyph drawn would have set the texture coordinate.
            for (size_t i = std::strlen(text); i-- > 0;)
                if (const GlyphRecord* g = glyphOf(static_cast<unsigned char>(text[i]))) {
                    texCoord[0] = g->texRight;
                    texCoord[1] = g->texTop;
                    knownTexCoord = true;
                    break;
                }
            ++culled;
            return;
        }
    }
    glyphs(text, x, y, size, false);
}

void TreeRecorder::glyphs(const char* text, float x, float y, float size, bool alignRight) {
    if (atlasTextDraws()) {
        Color c;
        for (int i = 0; i < 4; ++i)
            c.rgba[i] = static_cast<unsigned char>(std::lround(color[i] * 255.0f));
        recordAtlasText(*this, text, x, y, size, alignRight, c);
        return;
    }
    texturing = false;
    knownTexturing = true;
    beginPrimitive(DrawState::Glyphs, 1);
    z = 1.0f - float(++pieces) * start.depthStep;
    layoutText(text, x, y, size, alignRight, emitGlyph, this);
    if (list->vertices.size() > list->primitives.back().first) {
        const DrawVertex& last = list->vertices.back();
        texCoord[0] = last.s;
        texCoord[1] = last.t;
        knownTexCoord = true;
    }
    finishPrimitive();
}

void TreeRecorder::emitGlyph(void* self, const GlyphQuad& g) {
    auto& r = *static_cast<TreeRecorder*>(self);
    const size_t at = r.list->vertices.size();
    r.list->vertices.resize(at + 4);
    DrawVertex* v = r.list->vertices.data() + at;
    r.vertex(v[0], g.x0, g.y0, g.s0, g.t0, r.color);
    r.vertex(v[1], g.x0, g.y1, g.s0, g.t1, r.color);
    r.vertex(v[2], g.x1, g.y1, g.s1, g.t1, r.color);
    r.vertex(v[3], g.x1, g.y0, g.s1, g.t0, r.color);
}

}  // namespace trellis
