// A recorded frame: boxes, clearing and the coverage test.
#include "DrawList.h"

#include <algorithm>
#include <cmath>

namespace trellis {

void PixelBox::unite(const PixelBox& o) {
    if (o.empty())
        return;
    if (empty()) {
        *this = o;
        return;
    }
    x0 = std::min(x0, o.x0);
    y0 = std::min(y0, o.y0);
    x1 = std::max(x1, o.x1);
    y1 = std::max(y1, o.y1);
}

PixelBox PixelBox::meet(const PixelBox& o) const {
    return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
}

void DrawList::clear() {
    vertices.clear();
    primitives.clear();
    marks.clear();
    depthResets.clear();
    clips.clear();
    handOvers = 0;
}

namespace {

// Calls found(x0, x1, y0, y1) with the clip-square bounds of every unclipped, unblended quad of
// the frame that is an axis-aligned rectangle, until it returns true.
template <typename Found> bool anyOpaqueRectangle(const DrawList& list, Found found) {
    for (const DrawPrimitive& p : list.primitives) {
        if ((p.state != DrawState::FlatQuads && p.state != DrawState::TexturedQuads &&
             p.state != DrawState::PictureQuads) ||
            p.clip)
            continue;
        for (uint32_t q = p.first; q + 4 <= p.first + p.count; q += 4) {
            const DrawVertex* v = list.vertices.data() + q;
            // An element quad is a rectangle (0,0) (0,h) (w,h) (w,0): corners 0 and 2 opposite.
            const bool rectangle =
                v[0].x == v[1].x && v[2].x == v[3].x && v[0].y == v[3].y && v[1].y == v[2].y;
            if (rectangle && found(std::min(v[0].x, v[2].x), std::max(v[0].x, v[2].x),
                                   std::min(v[0].y, v[2].y), std::max(v[0].y, v[2].y)))
                return true;
        }
    }
    return false;
}

// The pixels [first, end) along one axis of size pixels whose centres lie inside the clip-square
// span [low, high] with a quarter pixel to spare.
void coveredPixels(float low, float high, int size, int& first, int& end) {
    const double lowPixel = (double(low) + 1) * size / 2, highPixel = (double(high) + 1) * size / 2;
    first = std::max(0, int(std::ceil(lowPixel - 0.25)));
    end = std::min(size, int(std::floor(highPixel - 0.75)) + 1);
}

}  // namespace

bool DrawList::coversViewport() const {
    if (handOvers || viewportWidth < 1 || viewportHeight < 1)
        return false;
    // Every pixel centre inside the quad, with a quarter pixel to spare.
    const float nearX = -1 + 0.5f / float(viewportWidth), farX = 1 - 0.5f / float(viewportWidth);
    const float nearY = -1 + 0.5f / float(viewportHeight), farY = 1 - 0.5f / float(viewportHeight);
    return anyOpaqueRectangle(*this, [&](float x0, float x1, float y0, float y1) {
        return x0 <= nearX && x1 >= farX && y0 <= nearY && y1 >= farY;
    });
}

PixelBox DrawList::bounds() const {
    PixelBox all;
    for (const DrawPrimitive& p : primitives)
        all.unite(p.box);
    return all;
}

PixelBox DrawList::opaqueBox(const int (&viewport)[4]) const {
    PixelBox best;
    if (handOvers || viewportWidth < 1 || viewportHeight < 1)
        return best;
    anyOpaqueRectangle(*this, [&](float x0, float x1, float y0, float y1) {
        PixelBox box;
        coveredPixels(x0, x1, viewportWidth, box.x0, box.x1);
        coveredPixels(y0, y1, viewportHeight, box.y0, box.y1);
        if (box.area() > best.area())
            best = box;
        return false;
    });
    if (best.empty())
        return PixelBox{};
    return {best.x0 + viewport[0], best.y0 + viewport[1], best.x1 + viewport[0],
            best.y1 + viewport[1]};
}

}  // namespace trellis
