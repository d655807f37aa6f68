// Windows: frame, title bar and dialogue attributes.
#include "trellis/gui/Window.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TitleBar.h"

#include <cstring>

namespace trellis {

Window::Window(const char* name, GuiElement* parent, const char* title)
    : GuiElement(name, parent, 0, 0, 30, 2) {
    skinClass = "window";
    GuiElement::applySkin(skinStore);
    if (title)
        titleBar = new TitleBar(this, title);
}

void Window::draw() {
    GuiElement::draw();
    if (border)
        drawBorder(borderColor, borderWidth);
}

void Window::setRect(float newX, float newY, float newWidth, float newHeight) {
    GuiElement::setRect(newX, newY, newWidth, newHeight);
    if (titleBar)
        titleBar->setSize(width, titleBar->height);
}

void Window::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    const char* borderText = textAttribute(element, "border");
    border = !(borderText && std::strcmp(borderText, "0") == 0);
    readColorAttribute(element, "borderColor", borderColor);
    const char* title = textAttribute(element, "title");
    if (title && !titleBar)
        titleBar = new TitleBar(this, title);
}

void Window::removeChild(GuiElement* child) {
    if (child == titleBar)
        titleBar = nullptr;
    GuiElement::removeChild(child);
}

}  // namespace trellis
