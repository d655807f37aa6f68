// The interface's start-up and the drawing of one frame.
#pragma once

#include "trellis/gui/GuiRoot.h"

namespace trellis {

// Fixes the pixel grid, loads the font and the skin "default", and creates the root. False,
// with nothing done, when no OpenGL context is current.
bool initGui();

// Draws the tree from the root and the three debug lines, in screen units.
void drawFrame();

}  // namespace trellis
