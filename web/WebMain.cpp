// trellis-web: the element galleries and the demo in a browser, on a WebGL 2 canvas. The page
// (page/trellis-page.js) sizes the canvas, names the dialogue to show and forwards its events
// (WebEvents.cpp); this file starts the interface and draws it at every animation frame.
#include "WebEvents.h"
#include "app/ChangeSkin.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/gui/Tooltip.h"
#include "trellis/shell/Host.h"

#include <GLES3/gl3.h>
#include <cstdio>
#include <cstring>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#include <string>

using namespace trellis;

namespace {

// What the page can show: a name the page passes, its dialogue file, and the demo's extras.
struct WebPage {
    const char* name;
    const char* dialogue;
    bool demo;  // the demo's skin button, and its debug lines
};

constexpr WebPage kPages[] = {
    {"gallery", "gallery.xml", false},
    {"controls", "galleryControls.xml", false},
    {"lists", "galleryLists.xml", false},
    {"demo", "testDialogue.xml", true},
};

const WebPage* shownPage = &kPages[0];

// The receiver handed to changeSkin: it holds nothing, but must be non-null to fire.
struct DemoApplication {
} demoApplication;

// The page named name, or the gallery for any other name.
const WebPage& pageNamed(const char* name) {
    for (const WebPage& page : kPages)
        if (name && std::strcmp(page.name, name) == 0)
            return page;
    return kPages[0];
}

// A WebGL 2 context on the page's canvas, current; false when the browser has none to give.
bool openCanvasContext() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    // As the native window: opaque, 24-bit depth, no stencil, and no multisampling, which would
    // soften the interface's pixel-exact edges.
    attributes.alpha = false;
    attributes.depth = true;
    attributes.stencil = false;
    attributes.antialias = false;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(kCanvas, &attributes);
    return context > 0 &&
           emscripten_webgl_make_context_current(context) == EMSCRIPTEN_RESULT_SUCCESS;
}

// Errors in the files go to standard error (the console's errors, and the page's bar), warnings
// to the console's warnings.
void printDiagnostic(const Diagnostic& diagnostic) {
    const std::string text = formatDiagnostic(diagnostic);
    if (diagnostic.severity == Severity::Error)
        std::fprintf(stderr, "%s\n", text.c_str());
    else
        emscripten_log(EM_LOG_CONSOLE | EM_LOG_WARN, "%s", text.c_str());
}

// Loads what the native programs load from their run folder, which the page's files mirror.
bool loadPage(const WebPage& page) {
    const bool font = loadFont("verdana.glf");
    const bool skin = loadSkin("default", "defaultSkin.xml");
    if (page.demo)
        registerCallback("changeSkin", changeSkin, &demoApplication);
    return loadDialogueFile(page.dialogue).loaded && font && skin;
}

// One animation frame: the demo's frame, opaque black under the interface.
void drawPageFrame() {
    updateTooltip(emscripten_get_now() / 1000.0);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawInterface(shownPage->demo);
}

}  // namespace

int main(int argc, char** argv) {
    setDiagnosticHandler(printDiagnostic);
    shownPage = &pageNamed(argc > 1 ? argv[1] : nullptr);
    if (!openCanvasContext()) {
        std::fprintf(stderr, "trellis-web: this browser gives no WebGL 2 context\n");
        return 1;
    }
    int width = 0, height = 0;
    emscripten_get_canvas_element_size(kCanvas, &width, &height);
    if (!initHostGui(width, height)) {
        std::fprintf(stderr, "trellis-web: cannot start the interface\n");
        return 1;
    }
    followCanvasSize();
    if (!loadPage(*shownPage))
        std::fprintf(stderr, "trellis-web: the page \"%s\" did not load whole\n", shownPage->name);
    connectPageClipboard();
    emscripten_set_main_loop(drawPageFrame, 0, false);
    return 0;
}
