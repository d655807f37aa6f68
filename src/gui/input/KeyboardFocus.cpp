// Keyboard focus: the Tab order over the tree, moving the focus, and the focus frame.
#include "trellis/gui/KeyboardFocus.h"

#include "gui/input/RoutingHooks.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"

#include <algorithm>

namespace trellis {

void (*scrollToShow)(GuiElement* element) = nullptr;

namespace {

// The element the keys moved the focus to, scrolled into sight.
void showFocus() {
    if (scrollToShow)
        scrollToShow(focusElement);
}

}  // namespace

std::vector<GuiElement*> focusableElements(GuiElement* root) {
    // An explicit stack: trees may be deeper than the call stack allows.
    std::vector<GuiElement*> found, pending;
    if (root && root->visible && root->enabled)
        pending.push_back(root);
    while (!pending.empty()) {
        GuiElement* element = pending.back();
        pending.pop_back();
        if (element->isFocusable())
            found.push_back(element);
        // Pushed newest first, so that the oldest child is visited next.
        for (GuiElement* child : element->children)
            if (child->visible && child->enabled)
                pending.push_back(child);
    }
    return found;
}

bool moveKeyboardFocus(bool forward) {
    // A modal window keeps the Tab order within itself.
    GuiElement* modal = activeModal();
    const std::vector<GuiElement*> order = focusableElements(modal ? modal : rootElement);
    if (order.empty())
        return false;
    const auto at = std::find(order.begin(), order.end(), focusElement);
    const size_t count = order.size();
    if (at == order.end()) {
        focusElement = forward ? order.front() : order.back();
        showFocus();
        return true;
    }
    const size_t index = static_cast<size_t>(at - order.begin());
    focusElement = order[forward ? (index + 1) % count : (index + count - 1) % count];
    showFocus();
    return true;
}

bool hasKeyboardFocus(const GuiElement* element) {
    return element && element == focusElement && element->isFocusable();
}

void recordFocusFrame(DrawRecorder& out, float width, float height, const Color& color) {
    // Four bars on whole pixels, so that the ring is exactly one pixel wide on every side.
    const float p = pixelSize, w = width, h = height;
    RecordedVertex bars[16];
    rectVertices(-2 * p, -2 * p, w + 2 * p, -p, color, bars);
    rectVertices(-2 * p, h + p, w + 2 * p, h + 2 * p, color, bars + 4);
    rectVertices(-2 * p, -p, -p, h + p, color, bars + 8);
    rectVertices(w + p, -p, w + 2 * p, h + p, color, bars + 12);
    out.quads(bars, 16, false);
}

void drawFocusFrame(float width, float height, const Color& color) {
    ImmediateRecorder now;
    recordFocusFrame(now, width, height, color);
}

}  // namespace trellis
