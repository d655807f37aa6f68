// The interface's start-up and the drawing of one frame.
#pragma once

#include "trellis/gui/GuiRoot.h"

namespace trellis {

// Fixes the pixel grid, loads the font and the skin "default", and creates the root. False,
// with nothing done, when no OpenGL context is current.
bool initGui();

// Draws the tree from the root and the three debug lines, in screen units.
void drawFrame();

// Draws the three debug lines at the bottom right, in the screen-unit projection: the hovered
// element's skin class, the focus element's name and the pointer position.
void drawDebugLines();

}  // namespace trellis
