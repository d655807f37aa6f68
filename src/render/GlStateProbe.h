// GlStateProbe: what the batched path reads of the GL state: whether a frame can be batched
// exactly from the state it starts in, and whether an element's own draw() left state behind.
#pragma once

#include "TreeRecorder.h"

#include <vector>

namespace trellis {

// Reads the state a frame starts from into start; false when the frame must be drawn by the
// immediate path (blending, alpha test, depth or scissor test on, a shader program bound, matrices
// other than the screen projection, another texture bound than the font's, too few depth bits).
bool readRecordStart(RecordStart& start);

// Reads what a frame of the shader renderer in a context without matrices starts from: the
// viewport, the screen projection for it (100 units are the pixel grid's height) and the depth
// buffer's resolution; false when the framebuffer has fewer than 16 depth bits (the frame is
// then drawn in painter's order without depth, with the viewport and projection read).
bool readShaderStart(RecordStart& start);

// The state an element's draw() may change and the batched drawing after it relies on.
class GlStateProbe {
public:
    void read();  // reads it now
    bool operator==(const GlStateProbe& other) const { return values == other.values; }
    bool operator!=(const GlStateProbe& other) const { return values != other.values; }

private:
    std::vector<float> values;
};

}  // namespace trellis
