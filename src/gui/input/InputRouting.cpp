// Input routing: hover, drag, press, release, click, focus, keys, characters and the wheel.
#include "trellis/gui/InputRouting.h"

#include "gui/element/ElementGoing.h"
#include "gui/input/RoutingHooks.h"
#include "state/KeptVariable.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/ScreenUnits.h"

#include <cstdio>

namespace trellis {

float pointerX = -1, pointerY = -1;
GuiElement* hoveredElement = nullptr;
GuiElement* focusElement = nullptr;
GuiElement* pressedElements[kMouseButtonCount] = {};
InputHook userMousePosHandler = nullptr;
InputHook userMouseButtonHandler = nullptr;
InputHook userKeyHandler = nullptr;
CharHook userCharHandler = nullptr;
ScrollHook userScrollHandler = nullptr;
int heldModifiers = 0;
bool (*keepsInputWithin)(const GuiElement* element) = nullptr;
void (*raiseForPress)(GuiElement* element) = nullptr;

namespace {

// Where the pointer was last reported, in pixels, and whether it is over the drawing area
// (reported at least once and not gone out of the window since).
int pointerPixelX = 0, pointerPixelY = 0;
bool pointerReported = false;

const bool perInterface = keepPerInterface(
    pointerX, pointerY, hoveredElement, focusElement, pressedElements, userMousePosHandler,
    userMouseButtonHandler, userKeyHandler, userCharHandler, userScrollHandler, heldModifiers,
    pointerPixelX, pointerPixelY, pointerReported);

bool isWithin(const GuiElement* element, const GuiElement* ancestor) {
    for (; element; element = element->parent)
        if (element == ancestor)
            return true;
    return false;
}

void forgetIfWithin(GuiElement*& reference, const GuiElement* ancestor) {
    if (isWithin(reference, ancestor))
        reference = nullptr;
}

}  // namespace

void onMousePos(int x, int y) {
    routePointer(x, y);
    if (userMousePosHandler)
        userMousePosHandler(x, y);
}

void routePointer(int x, int y) {
    pointerPixelX = x;
    pointerPixelY = y;
    pointerReported = true;
    refreshHover();
    // The drag may move what lies under the pointer (a window by its title bar), or hide it.
    if (GuiElement* held = pressedElements[0]) {
        float originX = 0, originY = 0;
        elementScreenPosition(held, originX, originY);
        held->onMouseDrag(pointerX - originX, pointerY - originY);
        refreshHover();
    }
}

void routePointerLeave() {
    pointerReported = false;
    refreshHover();
}

void refreshHover() {
    // Presses held on what can no longer be seen are let go: no drag, no click reaches it.
    for (GuiElement*& pressed : pressedElements)
        if (pressed && !isShown(pressed))
            pressed = nullptr;
    // Recomputed from pixels: a re-layout may have changed the size of a unit.
    pointerX = static_cast<float>(pointerPixelX) * pixelSize;
    pointerY = static_cast<float>(pointerPixelY) * pixelSize;
    GuiElement* now =
        pointerReported && rootElement ? findElementAt(rootElement, pointerX, pointerY) : nullptr;
    GuiElement* before = hoveredElement;
    hoveredElement = now;
    if (now != before) {
        if (now)
            now->onMouseEnter();
        if (before)
            before->onMouseLeave();
    }
}

GuiElement* activeModal() {
    if (!rootElement)
        return nullptr;
    for (GuiElement* child : rootElement->children)
        if (keepsInputWithin && keepsInputWithin(child) && child->visible)
            return child;
    return nullptr;
}

namespace {

// Whether element lies in the modal window or in a child of the root newer than it.
bool withinModalReach(const GuiElement* element, const GuiElement* modal) {
    const GuiElement* top = element;
    while (top && top->parent && top->parent != rootElement)
        top = top->parent;
    if (!top || top == rootElement)
        return false;
    for (GuiElement* child : rootElement->children) {
        if (child == top)
            return true;
        if (child == modal)
            return false;
    }
    return false;
}

}  // namespace

bool takesInput(const GuiElement* element) {
    if (!element || !isEnabledInTree(element))
        return false;
    const GuiElement* modal = activeModal();
    return !modal || withinModalReach(element, modal);
}

bool isShown(const GuiElement* element) {
    for (; element; element = element->parent) {
        if (!element->visible)
            return false;
        if (element == rootElement)
            return true;
    }
    return false;
}

GuiElement* findElementAt(GuiElement* element, float x, float y) {
    GuiElement* current = element;
    for (bool descended = true; descended;) {
        float originX = 0, originY = 0;
        current->hitOrigin(originX, originY);
        x -= originX;
        y -= originY;
        descended = false;
        // A clipped-away child is out of reach: outside the clip the element itself is hit.
        float left = 0, top = 0, right = 0, bottom = 0;
        if (current->childClip(left, top, right, bottom) &&
            !(left < x && x < right && top < y && y < bottom))
            break;
        y += current->childrenScrollY();
        for (GuiElement* child : current->children) {
            if (child->visible && child->containsPoint(x, y)) {
                current = child;
                descended = true;
                break;
            }
        }
    }
    return current;
}

void onMouseButton(int button, int action) {
    const bool consumed = routeMouseButton(button, action != 0);
    if (!consumed && userMouseButtonHandler)
        userMouseButtonHandler(button, action);
}

bool routeMouseButton(int button, bool pressed) {
    // A button beyond the recorded range is left to the application, never indexed.
    if (button < 0 || button >= kMouseButtonCount)
        return false;
    // The tree may have changed under a still pointer since it last moved.
    refreshHover();
    if (!hoveredElement)
        return false;
    // Disabled elements and everything behind a modal window swallow the press unheard; a
    // release there still ends the press, so no later drag or click comes of it.
    if (!takesInput(hoveredElement)) {
        if (!pressed)
            pressedElements[button] = nullptr;
        return true;
    }
    if (pressed) {
        if (button == 0)
            focusElement = hoveredElement;
        pressedElements[button] = hoveredElement;
        if (raiseForPress)
            raiseForPress(hoveredElement);
        hoveredElement->onMouseDown(button);
        refreshHover();
        return true;
    }
    // The element may vanish from the routing state inside onMouseUp; decide the click first.
    GuiElement* released = hoveredElement;
    const bool click = pressedElements[button] == released;
    released->onMouseUp(button);
    if (click && hoveredElement == released)
        released->onClick(button);
    pressedElements[button] = nullptr;
    refreshHover();
    return true;
}

void onKey(int key, int action) {
    if (!routeKey(key, action != 0) && userKeyHandler)
        userKeyHandler(key, action);
}

bool routeKey(int key, bool pressed) {
    if (const int bit = modifierBitOf(key))
        heldModifiers = pressed ? heldModifiers | bit : heldModifiers & ~bit;
    bool consumed = takesInput(focusElement) &&
                    (pressed ? focusElement->onKeyDown(key) : focusElement->onKeyUp(key));
    // Ctrl+Tab that the focus element leaves goes up through its holders (tabs switching
    // pages); other keys stay where they always went.
    const bool controlTab = pressed && key == kKeyTab && (heldModifiers & kModControl) != 0;
    for (GuiElement* holder = focusElement ? focusElement->parent : nullptr;
         controlTab && !consumed && holder; holder = holder->parent)
        consumed = holder->onKeyDown(key);
    // Without focusable elements Tab stays an ordinary key, left to the application.
    if (!consumed && pressed && key == kKeyTab)
        consumed = moveKeyboardFocus((heldModifiers & kModShift) == 0);
    // A key may close a window, and Tab may scroll a panel, under the pointer.
    refreshHover();
    return consumed;
}

void onCharEvent(unsigned int codepoint) {
    if (!routeChar(codepoint) && userCharHandler)
        userCharHandler(codepoint);
}

bool routeChar(unsigned int codepoint) {
    const bool taken = takesInput(focusElement) && focusElement->onChar(codepoint);
    refreshHover();
    return taken;
}

void onScrollEvent(double dx, double dy) {
    if (!routeScroll(static_cast<float>(dx), static_cast<float>(dy)) && userScrollHandler)
        userScrollHandler(dx, dy);
}

bool routeScroll(float dx, float dy) {
    refreshHover();
    bool taken = false;
    if (hoveredElement && !takesInput(hoveredElement) && activeModal())
        return true;
    for (GuiElement* element = hoveredElement; element; element = element->parent)
        if (isEnabledInTree(element) && (taken = element->onScroll(dx, dy)))
            break;
    // A scrolled panel brings other children under the pointer.
    refreshHover();
    return taken;
}

void elementScreenPosition(const GuiElement* element, float& x, float& y) {
    x = 0;
    y = 0;
    for (; element; element = element->parent) {
        x += element->x;
        y += element->y;
        if (element->parent)
            y -= element->parent->childrenScrollY();
    }
}

void printUnhandled(int, int) {
    std::printf("Gui didn't care\n");
}

void forgetRoutedElement(GuiElement* element) {
    forgetIfWithin(hoveredElement, element);
    forgetIfWithin(focusElement, element);
    for (GuiElement*& pressed : pressedElements)
        forgetIfWithin(pressed, element);
}

namespace {

// Every element's destructor lets go of the routing's references to it.
[[maybe_unused]] const bool forgetsGoingElements = (hearElementsGoing(forgetRoutedElement), true);

}  // namespace

}  // namespace trellis
