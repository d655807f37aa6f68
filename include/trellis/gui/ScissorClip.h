// ScissorClip: narrows OpenGL's scissor box to a rectangle of the current drawing coordinates
// for as long as it lives, within any clip already in force, and puts the old one back.
#pragma once

namespace trellis {

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
