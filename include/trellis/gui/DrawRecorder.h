// DrawRecorder: how an element describes what its draw() draws, so that a renderer can batch a
// whole frame into a few vertex arrays instead of calling draw().
//
// An element class takes part by overriding GuiElement::record. The renderer walks the tree as
// drawTree does and calls record on each visible element, in element-local coordinates (the
// origin at the element's top-left corner), instead of draw. record must describe exactly what
// draw puts into the framebuffer, in the same order, through the calls below, and return true;
// it returns false when it cannot (the element draws with GL calls of its own), and the
// renderer then has drawTree draw the element with its subtree in its place in painter's order,
// with the GL state the immediate path would give it (matrices, texturing, current colour,
// scissor), so that a class may also clip, scroll or draw over its children. Such drawing
// should leave the GL state as it found it, the current colour, texturing and texture
// coordinate excepted; if it does not, the renderer draws the rest of that frame by the
// immediate path. A context without the fixed-function pipeline (a core profile, OpenGL ES)
// has nothing such a draw() could draw with: there only what is recorded is drawn.
//
// An element that records itself has its children recorded after it, clipped to its childClip
// and scrolled by its childrenScrollY as drawTree draws them, and then its recordOverChildren,
// which must describe its drawOverChildren.
//
// The built-in classes describe themselves only when the element's dynamic type is their own:
// a subclass may override draw, so it is handed over unless it overrides record too. A subclass
// that adds to its base's look can call the base's record helpers (recordQuad, recordBorder,
// recordText, recordBevel) from its own record.
#pragma once

#include "trellis/style/Color.h"

namespace trellis {

// One vertex of a recorded primitive: position in element-local screen units, texture
// coordinate, colour (as glColor4ubv takes it).
struct RecordedVertex {
    float x, y;   // position
    float s, t;   // texture coordinate (used only by textured quads)
    Color color;  // colour at this vertex (smooth shading blends between vertices)
};

// What a batching renderer accepts from an element's record.
class DrawRecorder {
public:
    virtual ~DrawRecorder();

    // GL_QUADS of count vertices (a multiple of 4), unblended, as drawn after
    // glEnable(GL_TEXTURE_2D) when textured (modulating whatever texture is bound) or
    // glDisable(GL_TEXTURE_2D) when not. Leaves texturing as it set it.
    virtual void quads(const RecordedVertex* vertices, int count, bool textured) = 0;

    // GL_LINES of count vertices (a multiple of 2), unblended and untextured: the element
    // switches texturing off before its lines (text drawing leaves it off).
    virtual void lines(const RecordedVertex* vertices, int count) = 0;

    // glColor4ubv(color) then drawText(text, x, y, size, false): the texture font's glyphs,
    // alpha-tested and blended; size 0 means the current text size, which a non-zero size
    // replaces. Leaves texturing off.
    virtual void text(const char* text, float x, float y, float size, const Color& color) = 0;

    // GL_QUADS of count vertices (a multiple of 4) sampling the texture named texture, which
    // is bound for them (the binding found is bound again after), modulated by the vertices'
    // colours, blended (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA) when blended. Leaves texturing
    // off. The texture must be a complete one of the current context.
    virtual void pictureQuads(const RecordedVertex* vertices, int count, unsigned int texture,
                              bool blended) = 0;

    // Cuts what follows, up to the matching popClip, to the rectangle x..x+width, y..y+height
    // and to the clip already in force, as ScissorClip does.
    virtual void pushClip(float x, float y, float width, float height) = 0;
    // Ends the innermost clip.
    virtual void popClip() = 0;
};

}  // namespace trellis
