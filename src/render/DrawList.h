// DrawList: one frame recorded as primitives in painter's order (state, vertices in clip
// coordinates with a painter's-order depth, pixel box), with a mark for every element drawn.
#pragma once

#include <cstdint>
#include <vector>

namespace trellis {

class GuiElement;

// The GL state a primitive is drawn in; matrices are identity (positions are clip coordinates).
enum class DrawState : uint8_t {
    FlatQuads,            // GL_QUADS, texturing off, unblended
    TexturedQuads,        // GL_QUADS, the bound texture modulated, unblended
    Lines,                // GL_LINES, texturing off, unblended
    Glyphs,               // GL_QUADS, the font texture, alpha test GEQUAL 0.1, blended
    PictureQuads,         // GL_QUADS, the primitive's own texture modulated, unblended
    BlendedPictureQuads,  // GL_QUADS, the primitive's own texture modulated, blended
};
constexpr int kDrawStateCount = 6;

// Whether primitives of a state blend onto what lies beneath (and so keep painter's order).
inline bool isBlended(DrawState state) {
    return state == DrawState::Glyphs || state == DrawState::BlendedPictureQuads;
}

// One vertex as the client arrays take it. The colour holds the floats glColor4ubv makes
// (byte / 255): byte colour arrays are normalised with another rounding and move blended pixels.
struct DrawVertex {
    float x, y, z;  // clip coordinates
    float s, t;     // texture coordinate
    float rgba[4];  // colour
};

// Window pixels x0 <= x < x1, y0 <= y < y1, counted from the bottom left as glScissor counts.
struct PixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
    bool operator==(const PixelBox& o) const {
        return x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1;
    }
    bool overlaps(const PixelBox& o) const {
        return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
    void unite(const PixelBox& o);           // grows to cover o as well (an empty o adds nothing)
    PixelBox meet(const PixelBox& o) const;  // the intersection
    long area() const { return empty() ? 0 : long(x1 - x0) * (y1 - y0); }
};

// A run of vertices drawn in one state: a quad set, a line set or one text's glyphs.
struct DrawPrimitive {
    DrawState state;
    uint32_t clip;          // 1 + its index in DrawList::clips, or 0: not clipped
    uint32_t first, count;  // range in DrawList::vertices
    PixelBox box;           // every pixel it may touch
    unsigned int texture;   // the picture states' texture name
    PixelBox reach;         // clipped: the pixels it would light without its clip, tightly
};

// The immediate path's current colour, texture coordinate and texturing switch at some point of
// the frame; a part left unknown (after a hand-over) is whatever GL holds.
struct ImmediateState {
    float color[4];
    float texCoord[2];
    bool texturing;
    bool knownColor, knownTexCoord, knownTexturing;
};

// An element in painter's order (or the debug lines, element null) and what it drew.
struct ElementMark {
    GuiElement* element;      // null for the debug lines
    float tx, ty;             // its model-view translation, accumulated as glTranslatef does
    float parentX, parentY;   // its parent's translation
    uint32_t clip;            // the clip in force where it is drawn (as DrawPrimitive::clip)
    uint32_t firstPrimitive;  // its primitives start here
    PixelBox box;             // union of its primitives' boxes (culled ones left out)
    bool handOver;            // drawn with its subtree by drawTree(), not recorded
    ImmediateState state;     // at a hand-over: the state the immediate path gives it
};

// The frame: primitives, marks, and where the depth buffer starts over.
struct DrawList {
    std::vector<DrawVertex> vertices;
    std::vector<DrawPrimitive> primitives;
    std::vector<ElementMark> marks;
    std::vector<uint32_t> depthResets;          // primitive indices before which depth is cleared
    std::vector<PixelBox> clips;                // scissor boxes that primitives are cut to
    int handOvers = 0;                          // marks with handOver set
    int viewportWidth = 0, viewportHeight = 0;  // pixels the clip square spans
    ImmediateState end{};   // the immediate path's state at the end of the frame
    float endTextSize = 2;  // the texture font's current text size after the frame

    void clear();  // empties, keeping capacity
    // Whether the frame's pixels in the viewport do not depend on what lies beneath: no
    // hand-overs, and an unblended quad covering the whole viewport.
    bool coversViewport() const;
    // The window pixels whose centres the largest such quad covers, with a quarter pixel to
    // spare, within the viewport (x, y, width, height): pixels that do not depend on what lies
    // beneath even where the frame does not cover the viewport. Empty with hand-overs.
    PixelBox opaqueBox(const int (&viewport)[4]) const;
    PixelBox bounds() const;  // the union of the primitives' boxes
};

}  // namespace trellis
