// FlatRect: the plain filled rectangle that elements draw their bars, carets and frames with.
#pragma once

namespace trellis {

// Fills left..right x top..bottom of the current coordinates in the current colour, as one
// quad with whatever texturing is set (callers switch it off).
void drawFlatRect(float left, float top, float right, float bottom);

}  // namespace trellis
