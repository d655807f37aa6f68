// Title bars and their close buttons.
#include "trellis/gui/TitleBar.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Window.h"

#include <typeinfo>

namespace trellis {

TitleBar::TitleBar(Window* window, const char* title)
    : TextElement("", window, title, 0, 0, window->width, titleBarHeight) {
    skinClass = "title";
    TextElement::applySkin(skinStore);
    const float w = width, h = height, p = pixelSize;
    closeButton = new Button("", this, "X", w + p - h, p, h - 2 * p, h - 2 * p);
    // The "X" fills its square, whatever the skin says, until the next re-skin.
    closeButton->fontSize = closeButton->height;
    closeButton->hAlign = TextAlign::Center;
}

void TitleBar::setRect(float newX, float newY, float newWidth, float newHeight) {
    GuiElement::setRect(newX, newY, newWidth, newHeight);
    if (closeButton)
        closeButton->setPosition(width + pixelSize - height, closeButton->y);
}

float TitleBar::textRoom() const {
    return (closeButton ? closeButton->x : width) - 2 * fontSize * 0.25f;
}

bool TitleBar::record(DrawRecorder& out) {
    return recordTextLook(typeid(TitleBar), out);
}

void TitleBar::removeChild(GuiElement* child) {
    if (child == closeButton)
        closeButton = nullptr;
    GuiElement::removeChild(child);
}

void TitleBar::onMouseDown(int button) {
    TextElement::onMouseDown(button);
    Window* window = dynamic_cast<Window*>(parent);
    grabbed = button == 0 && window && window->movable;
    if (!grabbed)
        return;
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    grabX = pointerX - originX;
    grabY = pointerY - originY;
}

void TitleBar::onMouseDrag(float localX, float localY) {
    // The title bar moves with its window, so the pointer's offset from the grab point is
    // exactly how far the window still has to go.
    Window* window = dynamic_cast<Window*>(parent);
    if (grabbed && window)
        window->moveWithinParent(window->x + localX - grabX, window->y + localY - grabY);
}

}  // namespace trellis
