// A recorded frame: boxes, clearing and the coverage test.
#include "DrawList.h"

#include <algorithm>

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

bool DrawList::coversViewport() const {
    if (handOvers || viewportWidth < 1 || viewportHeight < 1)
        return false;
    // Every pixel centre inside the quad, with a quarter pixel to spare.
    const float nearX = -1 + 0.5f / float(viewportWidth), farX = 1 - 0.5f / float(viewportWidth);
    const float nearY = -1 + 0.5f / float(viewportHeight), farY = 1 - 0.5f / float(viewportHeight);
    for (const DrawPrimitive& p : primitives) {
        if ((p.state != DrawState::FlatQuads && p.state != DrawState::TexturedQuads &&
             p.state != DrawState::PictureQuads) ||
            p.clip)
            continue;
        // Any one quad whose corners lie on or beyond the clip square's edges, axis-aligned.
        for (uint32_t q = p.first; q + 4 <= p.first + p.count; q += 4) {
            const DrawVertex* v = vertices.data() + q;
            // An element quad is a rectangle (0,0) (0,h) (w,h) (w,0): corners 0 and 2 opposite.
            const bool rectangle =
                v[0].x == v[1].x && v[2].x == v[3].x && v[0].y == v[3].y && v[1].y == v[2].y;
            if (rectangle && std::min(v[0].x, v[2].x) <= nearX &&
                std::max(v[0].x, v[2].x) >= farX && std::min(v[0].y, v[2].y) <= nearY &&
                std::max(v[0].y, v[2].y) >= farY)
                return true;
        }
    }
    return false;
}

}  // namespace trellis
