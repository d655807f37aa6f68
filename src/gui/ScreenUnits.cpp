// The pixel grid, snapping and the screen-unit projection.
#include "trellis/gui/ScreenUnits.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>

namespace trellis {

int viewport[4] = {0, 0, 800, 600};
float pixelSize = 0;
float titleBarHeight = 2.5f;
float borderWidth = 0.4f;

void fixScreenUnits() {
    glGetIntegerv(GL_VIEWPORT, viewport);
    pixelSize = 100.0f / static_cast<float>(viewport[3]);
    titleBarHeight = snapToPixel(titleBarHeight);
    borderWidth = snapToPixel(borderWidth);
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

void beginScreenProjection() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, screenWidthUnits(), 100, 0, 0, -100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

}  // namespace trellis
