// The pixel grid, snapping and the screen-unit projection.
#include "trellis/gui/ScreenUnits.h"

#include "state/KeptVariable.h"
#include "trellis/font/FontChain.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>

namespace trellis {

int viewport[4] = {0, 0, 800, 600};
float pixelSize = 0;
float titleBarHeight = kTitleBarHeightUnits;
float borderWidth = kBorderWidthUnits;

namespace {

float areaWidth = 0, areaHeight = 0;  // the layout area chosen, or 0 for the viewport's

const bool perInterface =
    keepPerInterface(viewport, pixelSize, titleBarHeight, borderWidth, areaWidth, areaHeight);

}  // namespace

void fixScreenUnits() {
    glGetIntegerv(GL_VIEWPORT, viewport);
    areaWidth = areaHeight = 0;
    pixelSize = 100.0f / static_cast<float>(viewport[3]);
    setTextPixelsPerUnit(1.0f / pixelSize);
    titleBarHeight = snapToPixel(titleBarHeight);
    borderWidth = snapToPixel(borderWidth);
}

void fixScreenUnitsFor(int width, int height) {
    viewport[0] = 0;
    viewport[1] = 0;
    viewport[2] = width;
    viewport[3] = height;
    areaWidth = areaHeight = 0;
    pixelSize = 100.0f / static_cast<float>(height);
    setTextPixelsPerUnit(1.0f / pixelSize);
    // From the nominal lengths, so that fixing the units again does not compound roundings.
    titleBarHeight = snapToPixel(kTitleBarHeightUnits);
    borderWidth = snapToPixel(kBorderWidthUnits);
}

void anchorViewport(int, int framebufferHeight) {
    // GL counts viewport rows from the bottom; the interface hangs from the top.
    glViewport(viewport[0], framebufferHeight - viewport[3], viewport[2], viewport[3]);
}

float snapToPixel(float v) {
    const float pixelsPerUnit = 1.0f / pixelSize;
    const float exact = v * pixelsPerUnit + 0.5f;
    // Converting a float outside int's range (or NaN) is undefined: such lengths, which only
    // a hostile file gives, saturate at the int range, and NaN becomes 0.
    const float limit = 2147483648.0f;
    int pixels = 0;
    if (exact >= limit)
        pixels = INT_MAX;
    else if (exact < -limit)
        pixels = INT_MIN;
    else if (!std::isnan(exact))
        pixels = static_cast<int>(exact);
    return static_cast<float>(pixels) * pixelSize;
}

double screenWidthUnits() {
    return 100.0 * viewport[2] / viewport[3];
}

float layoutAreaWidth() {
    return areaWidth > 0 ? areaWidth : float(screenWidthUnits());
}

float layoutAreaHeight() {
    return areaHeight > 0 ? areaHeight : float(viewport[3]) * pixelSize;
}

void setLayoutArea(float width, float height) {
    areaWidth = width;
    areaHeight = height;
}

void beginScreenProjection() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    loadScreenProjection(screenWidthUnits(), 100);
}

void loadScreenProjection(double widthUnits, double heightUnits) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, widthUnits, heightUnits, 0, 0, -100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void screenProjection(double widthUnits, double heightUnits, float (&m)[16]) {
    // glOrtho(0, width, height, 0, 0, -100) with its arguments made single precision.
    const float left = 0, right = float(widthUnits), bottom = float(heightUnits), top = 0;
    const float nearValue = 0, farValue = -100;
    for (float& value : m)
        value = 0;
    m[0] = 2.0f / (right - left);
    m[12] = -(right + left) / (right - left);
    m[5] = 2.0f / (top - bottom);
    m[13] = -(top + bottom) / (top - bottom);
    m[10] = -2.0f / (farValue - nearValue);
    m[14] = -(farValue + nearValue) / (farValue - nearValue);
    m[15] = 1;
}

namespace {

int truncateToInt(double v) {
    if (!(v > double(INT_MIN)))  // also catches NaN
        return v != v ? 0 : INT_MIN;
    if (v >= double(INT_MAX))
        return INT_MAX;
    return static_cast<int>(v);
}

}  // namespace

void cursorToPixels(double cursorX, double cursorY, int winWidth, int winHeight, int fbWidth,
                    int fbHeight, int& pixelX, int& pixelY) {
    const double scaleX = winWidth > 0 ? double(fbWidth) / winWidth : 1.0;
    const double scaleY = winHeight > 0 ? double(fbHeight) / winHeight : 1.0;
    pixelX = truncateToInt(cursorX * scaleX);
    pixelY = truncateToInt(cursorY * scaleY);
}

}  // namespace trellis
