// trellis-demo: one window built from testDialogue.xml, styled from defaultSkin.xml, with a
// button that switches the skin.
#include "app/DemoStartup.h"

#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/shell/WindowShell.h"

#include <cstdio>

int main() {
    // Mistakes in the demo's files go to standard error as a compiler prints them, so that an
    // editor can jump to them; standard output stays the demo's own.
    trellis::setDiagnosticHandler([](const trellis::Diagnostic& diagnostic) {
        std::fprintf(stderr, "%s\n", trellis::formatDiagnostic(diagnostic).c_str());
    });
    if (!startDemo())
        return 1;
    while (trellis::windowIsOpen())
        drawDemoFrame();
    return 0;
}
