// Screen units and the pixel grid: the viewport is 100 units high, origin top-left, y down. The
// variables below are the current interface's (Interface.h).
#pragma once

namespace trellis {

constexpr float kTitleBarHeightUnits = 2.5f;  // title-bar height before snapping
constexpr float kBorderWidthUnits = 0.4f;     // window frame width before snapping

extern int viewport[4];       // x, y, width, height in pixels, read at start-up
extern float pixelSize;       // one pixel in screen units: 100 / viewport height
extern float titleBarHeight;  // height of every title bar, snapped at start-up
extern float borderWidth;     // width of a window frame, snapped at start-up

// Fixes the pixel grid from the current GL viewport and snaps the two global lengths.
void fixScreenUnits();

// Fixes the pixel grid for a drawing area of width x height pixels at the origin (100 units
// high), without reading GL, and snaps the two global lengths from their nominal values.
void fixScreenUnitsFor(int width, int height);

// Resize handler: keeps the start-up viewport's size and puts it at the top-left corner of a
// framebuffer of the given size, where the screen-unit origin and the pointer's origin are.
void anchorViewport(int framebufferWidth, int framebufferHeight);

// v in screen units, rounded to whole pixels (halves up; negatives truncate toward zero).
float snapToPixel(float v);

// The viewport's width in screen units.
double screenWidthUnits();

// The room top-level elements are laid out in, and windows on the root are kept in, in screen
// units: the viewport (screenWidthUnits() wide, 100 high) unless setLayoutArea chose another;
// fixing the screen units returns to it.
float layoutAreaWidth();
float layoutAreaHeight();

// Lays top-level elements out in width x height units, for a host whose framebuffer is not the
// viewport's size.
void setLayoutArea(float width, float height);

// Saves both matrices and sets the screen-unit projection; drawFrame restores them.
void beginScreenProjection();

// Loads the projection of a drawing area widthUnits x heightUnits from the top-left, and an
// identity model-view matrix (left current), without saving either.
void loadScreenProjection(double widthUnits, double heightUnits);

// The matrix loadScreenProjection loads (column-major, as glGetFloatv reads it), computed in
// single precision as OpenGL computes glOrtho's, for contexts without matrices.
void screenProjection(double widthUnits, double heightUnits, float (&matrix)[16]);

// Window-library cursor coordinates to framebuffer pixels, truncated toward zero, for displays
// whose framebuffer is larger than the window's size in screen coordinates.
void cursorToPixels(double cursorX, double cursorY, int windowWidth, int windowHeight,
                    int framebufferWidth, int framebufferHeight, int& pixelX, int& pixelY);

}  // namespace trellis
