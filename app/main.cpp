// trellis-demo: one window built from testDialogue.xml, styled from defaultSkin.xml, with a
// button that switches the skin.
#include "app/ChangeSkin.h"
#include "app/GuiShell.h"
#include "app/InputRouting.h"
#include "app/WindowShell.h"
#include "dialogue/DialogueLoader.h"
#include "gui/CallbackTable.h"

#include <GL/gl.h>

namespace {

// The receiver handed to changeSkin: it holds nothing, but must be non-null to fire.
struct DemoApplication {
} demoApplication;

}  // namespace

int main() {
    openWindow();
    glClearColor(0, 0, 0, 1);
    registerCallback("changeSkin", changeSkin, &demoApplication);
    initGui();
    loadDialogue();
    userMouseButtonHandler = printUnhandled;
    setMousePosHandler(onMousePos);
    setMouseButtonHandler(onMouseButton);
    setKeyHandler(onKey);
    while (windowIsOpen()) {
        swapBuffers();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawFrame();
    }
    return 0;
}
