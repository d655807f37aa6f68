// ScissorClip: narrows OpenGL's scissor box to a rectangle of the current drawing coordinates
// for as long as it lives, within any clip already in force, and puts the old one back.
#pragma once

namespace trellis {

// The window pixels (left, bottom, right, top; y counted from below, as glScissor counts) that
// the rectangle x..x+width, y..y+height of a drawing's coordinates covers, given its model-view
// and projection matrices (column-major, as GL returns them) and the viewport; upperLeft when
// the window's origin is at its upper left (glClipControl). Element edges land on whole pixels.
void scissorBoxOf(float x, float y, float width, float height, const double* modelView,
                  const double* projection, const int* viewport, bool upperLeft, long (&box)[4]);

// Whether the current context's window origin is at its upper left (glClipControl).
bool windowOriginUpperLeft();

// A scoped clip: drawing outside the rectangle, or outside the clip in force before, is cut.
class ScissorClip {
public:
    // The rectangle is in the coordinates the current model-view and projection matrices map
    // to the viewport (an element's own coordinates while it draws).
    ScissorClip(float x, float y, float width, float height);
    ~ScissorClip();  // restores the scissor test and box as they were

    ScissorClip(const ScissorClip&) = delete;
    ScissorClip& operator=(const ScissorClip&) = delete;

private:
    bool wasEnabled;       // the scissor test before
    int previousBox[4]{};  // and its box: x, y, width, height in window pixels
};

}  // namespace trellis
