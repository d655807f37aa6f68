// Title bars and their close buttons.
#include "trellis/gui/TitleBar.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Window.h"

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

void TitleBar::removeChild(GuiElement* child) {
    if (child == closeButton)
        closeButton = nullptr;
    GuiElement::removeChild(child);
}

}  // namespace trellis
