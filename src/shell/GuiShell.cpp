// Start-up of the interface, and each frame's drawing with its debug lines.
#include "trellis/shell/GuiShell.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/skin/SkinFile.h"

#include <GL/gl.h>
#include <cstdio>

namespace trellis {

namespace {

constexpr float kDebugTextSize = 2.0f;
constexpr float kDebugRightEdge = 132.0f;

}  // namespace

void drawDebugLines() {
    glColor3f(1, 1, 1);
    if (hoveredElement)
        drawText(hoveredElement->skinClass, kDebugRightEdge, 91, kDebugTextSize, true);
    if (focusElement)
        drawText(focusElement->name.c_str(), kDebugRightEdge, 94, kDebugTextSize, true);
    char pointerLine[128];
    std::snprintf(pointerLine, sizeof pointerLine, "%.3f / %.3f", pointerX, pointerY);
    drawText(pointerLine, kDebugRightEdge, 97, kDebugTextSize, true);
}

bool initGui() {
    // Without a current context every GL call below would do nothing or crash in GLU.
    if (!glGetString(GL_VERSION))
        return false;
    fixScreenUnits();
    releaseGlyphTable();
    loadTextureFontFile(kFontFileName);
    loadSkin("default");
    rootElement = new GuiRoot();
    return true;
}

void drawFrame() {
    beginScreenProjection();
    rootElement->drawTree();
    drawDebugLines();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace trellis
