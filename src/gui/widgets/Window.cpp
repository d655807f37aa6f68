// Windows: frame, title bar and dialogue attributes.
#include "trellis/gui/Window.h"

#include "gui/input/RoutingHooks.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

namespace trellis {

namespace {

// Of a window that leaves the screen sideways, this much stays on it to be grabbed again.
constexpr float kOnScreenGripUnits = 4.0f;

// The close button's click on a closable window.
void closeFromButton(void* window, CallbackSender*) {
    static_cast<Window*>(window)->close();
}

}  // namespace

Window::Window(const char* name, GuiElement* parent, const char* title)
    : GuiElement(name, parent, 0, 0, 30, 2) {
    skinClass = "window";
    Window::applySkin(skinStore);
    if (title)
        titleBar = new TitleBar(this, title);
}

namespace {

// "focus" while the keyboard focus is on window or inside it.
const char* windowState(const Window& window) {
    for (const GuiElement* inside = focusElement; inside; inside = inside->parent)
        if (inside == &window)
            return "focus";
    return nullptr;
}

}  // namespace

void Window::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    applySkinColor(skinSectionsOf(store, *this), "borderColor", borderColor);
}

void Window::draw() {
    StateLook look(*this, windowState(*this), {{"borderColor", &borderColor}});
    if (skinImage.shown()) {
        ImmediateRecorder now;
        recordFramePicture(now);
        return;
    }
    GuiElement::draw();
    if (border)
        drawBorder(borderColor, borderWidth);
}

bool Window::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(Window))
        return false;
    StateLook look(*this, windowState(*this), {{"borderColor", &borderColor}});
    if (skinImage.shown()) {
        recordFramePicture(out);
        return true;
    }
    recordQuad(out);
    if (border)
        recordBorder(out, borderColor, borderWidth);
    return true;
}

void Window::recordFramePicture(DrawRecorder& out) {
    // The picture takes the frame's place around the window as well as its face.
    const float frame = border ? snapToPixel(borderWidth) : 0;
    recordSkinImage(out, skinImage, -frame, -frame, width + frame, height + frame);
}

void Window::setRect(float newX, float newY, float newWidth, float newHeight) {
    GuiElement::setRect(newX, newY, newWidth, newHeight);
    if (titleBar)
        titleBar->setSize(width, titleBar->height);
}

void Window::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    border = flagAttribute(element, "border");
    readColorAttribute(element, "borderColor", borderColor);
    const char* title = textAttribute(element, "title");
    if (title && !titleBar)
        titleBar = new TitleBar(this, title);
    movable = optInAttribute(element, "movable");
    closable = optInAttribute(element, "closable");
    modal = optInAttribute(element, "modal");
    readCallbackAttribute(element, "onClose", closeCallback);
    if (closable && titleBar && titleBar->closeButton)
        titleBar->closeButton->clickCallbacks[0] = Callback{closeFromButton, this};
    // The title's overflow, as a text element's.
    TextOverflow unused = TextOverflow::Visible;
    const bool overflow = readOverflowAttribute(element, titleBar ? titleBar->overflow : unused);
    // These act through the title bar: without one they would quietly do nothing.
    const char* unusable = !titleBar && movable    ? "movable"
                           : !titleBar && closable ? "closable"
                           : !titleBar && overflow ? "overflow"
                                                   : nullptr;
    if (unusable)
        element.reportValue(unusable, "has no effect on a window without a title bar");
}

void Window::moveWithinParent(float newX, float newY) {
    const bool onScreen = !parent || parent == rootElement;
    const float roomWidth = onScreen ? layoutAreaWidth() : parent->width;
    const float roomHeight = onScreen ? layoutAreaHeight() : parent->height;
    const float grip = std::min(width, snapToPixel(kOnScreenGripUnits));
    const float barHeight = titleBar ? titleBar->height : std::min(height, titleBarHeight);
    newX = std::max(grip - width, std::min(newX, roomWidth - grip));
    newY = std::max(0.0f, std::min(newY, roomHeight - barHeight));
    // Where the user put it, it stays when the layout is worked out again.
    xLength = yLength = Length();
    setPosition(newX, newY);
}

void raiseMovableWindows(GuiElement* element) {
    for (; element; element = element->parent) {
        auto* window = dynamic_cast<Window*>(element);
        GuiElement* holder = element->parent;
        if (!window || !window->movable || !holder || holder->children.front() == window)
            continue;
        const std::vector<GuiElement*>& siblings = holder->children.oldestFirst();
        if (std::find(siblings.begin(), siblings.end(), window) == siblings.end())
            continue;  // not attached where its parent says: nothing to reorder
        holder->children.removeAll(window);
        holder->children.pushFront(window);
    }
}

void Window::close() {
    visible = false;
    for (GuiElement* inside = focusElement; inside; inside = inside->parent)
        if (inside == this) {
            focusElement = nullptr;
            break;
        }
    // What was under the pointer has gone, and so have the presses held inside.
    refreshHover();
    closeCallback.fire(this);
}

void Window::removeChild(GuiElement* child) {
    if (child == titleBar)
        titleBar = nullptr;
    GuiElement::removeChild(child);
}

namespace {

bool isModalWindow(const GuiElement* element) {
    const auto* window = dynamic_cast<const Window*>(element);
    return window && window->modal;
}

// Input routing keeps input within a shown modal window, and raises windows that are pressed.
[[maybe_unused]] const bool routesToWindows =
    (keepsInputWithin = isModalWindow, raiseForPress = raiseMovableWindows, true);

}  // namespace

}  // namespace trellis
