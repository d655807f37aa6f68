// The functions the page's script calls with its events, in the host API's terms, and the
// clipboard between the text fields and the browser.
#include "WebEvents.h"

#include "trellis/gui/Clipboard.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/TextElement.h"
#include "trellis/shell/Host.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#include <string>

using namespace trellis;

namespace {

// The text last copied or cut in the interface, or pasted into it.
std::string clipboardText;

// Hands a copy or cut to the page's script, which puts it on the browser's clipboard in the
// copy event that follows the key.
EM_JS(void, tellPageCopied, (const char* text), {
    if (Module.trellisCopied)
        Module.trellisCopied(UTF8ToString(text));
});

std::string readPageClipboard() {
    return clipboardText;
}

void writePageClipboard(const std::string& text) {
    clipboardText = text;
    tellPageCopied(text.c_str());
}

}  // namespace

void followCanvasSize() {
    double cssWidth = 0, cssHeight = 0;
    int width = 0, height = 0;
    emscripten_get_element_css_size(kCanvas, &cssWidth, &cssHeight);
    emscripten_get_canvas_element_size(kCanvas, &width, &height);
    hostWindowSize(static_cast<int>(cssWidth + 0.5), static_cast<int>(cssHeight + 0.5));
    hostFramebufferSize(width, height);
}

void connectPageClipboard() {
    setClipboardHooks(readPageClipboard, writePageClipboard);
}

extern "C" {

// The canvas was resized (or moved to a screen of another pixel density).
EMSCRIPTEN_KEEPALIVE void trellisResize() {
    followCanvasSize();
}

// The pointer moved to (x, y), in CSS pixels from the canvas's top-left corner.
EMSCRIPTEN_KEEPALIVE void trellisPointer(double x, double y) {
    hostCursorPos(x, y);
}

// The pointer entered (1) or left (0) the canvas.
EMSCRIPTEN_KEEPALIVE void trellisPointerInside(int inside) {
    hostCursorEnter(inside != 0);
}

// A mouse button (0 left, 1 right, 2 middle) went down (action 1) or up (0).
EMSCRIPTEN_KEEPALIVE void trellisButton(int button, int action) {
    hostMouseButton(button, action);
}

// The wheel turned by (dx, dy) notches, dy > 0 away from the user.
EMSCRIPTEN_KEEPALIVE void trellisWheel(double dx, double dy) {
    hostScroll(dx, dy);
}

// A key (KeyCodes.h's numbers) was pressed (1), repeated (2) or released (0).
EMSCRIPTEN_KEEPALIVE void trellisKey(int key, int action) {
    hostKey(key, action);
}

// A character was typed: its Unicode code point.
EMSCRIPTEN_KEEPALIVE void trellisChar(unsigned int codepoint) {
    hostChar(codepoint);
}

// The browser pasted text (UTF-8), by Ctrl+V or from its menu: the interface pastes it as
// Ctrl+V, with Control held just for it when it was not.
EMSCRIPTEN_KEEPALIVE void trellisPaste(const char* text) {
    clipboardText = text ? text : "";
    const bool controlHeld = (heldModifiers & kModControl) != 0;
    if (!controlHeld)
        hostKey(kKeyLeftControl, kActionPress);
    hostKey('V', kActionPress);
    hostKey('V', kActionRelease);
    if (!controlHeld)
        hostKey(kKeyLeftControl, kActionRelease);
}

// The text the element named name shows (a button's label, a text field's text), in UTF-8;
// empty for an element without one, or a name no element holds. For scripts on the page.
EMSCRIPTEN_KEEPALIVE const char* trellisTextOf(const char* name) {
    static std::string shown;
    const auto* element = dynamic_cast<const TextElement*>(findElement(name));
    shown = element ? element->text : "";
    return shown.c_str();
}

}  // extern "C"
