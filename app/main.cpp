// trellis-demo: one window built from testDialogue.xml, styled from defaultSkin.xml, with a
// button that switches the skin.
#include "app/DemoStartup.h"

#include "trellis/shell/WindowShell.h"

int main() {
    if (!startDemo())
        return 1;
    while (trellis::windowIsOpen())
        drawDemoFrame();
    return 0;
}
