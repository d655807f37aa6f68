// Start-up of the interface, and each frame's drawing with its debug lines.
#include "trellis/shell/GuiShell.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/render/DebugLines.h"
#include "trellis/render/Renderer.h"
#include "trellis/skin/SkinFile.h"

#include <GL/gl.h>
#include <cstdio>

namespace trellis {

void drawDebugLines() {
    drawDebugLinesNow();
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
    renderTree(rootElement, true);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace trellis
