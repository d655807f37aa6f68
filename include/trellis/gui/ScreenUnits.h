// Screen units and the pixel grid: the viewport is 100 units high, origin top-left, y down.
#pragma once

namespace trellis {

extern int viewport[4];       // x, y, width, height in pixels, read at start-up
extern float pixelSize;       // one pixel in screen units: 100 / viewport height
extern float titleBarHeight;  // height of every title bar, snapped at start-up
extern float borderWidth;     // width of a window frame, snapped at start-up

// Fixes the pixel grid from the current GL viewport and snaps the two global lengths.
void fixScreenUnits();

// Resize handler: keeps the start-up viewport's size and puts it at the top-left corner of a
// framebuffer of the given size, where the screen-unit origin and the pointer's origin are.
void anchorViewport(int framebufferWidth, int framebufferHeight);

// v in screen units, rounded to whole pixels (halves up; negatives truncate toward zero).
float snapToPixel(float v);

// The viewport's width in screen units.
double screenWidthUnits();

// Saves both matrices and sets the screen-unit projection; drawFrame restores them.
void beginScreenProjection();

}  // namespace trellis
