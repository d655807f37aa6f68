// Windows: frame, title bar and dialogue attributes.
#include "gui/Window.h"

#include "app/ScreenUnits.h"
#include "dialogue/AttributeReading.h"
#include "gui/TitleBar.h"

#include <cstring>

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

void Window::loadAttributes(const TiXmlElement& element) {
    GuiElement::loadAttributes(element);
    const char* borderText = textAttribute(element, "border");
    border = !(borderText && std::strcmp(borderText, "0") == 0);
    readColorAttribute(element, "borderColor", borderColor);
    const char* title = textAttribute(element, "title");
    if (title && !titleBar)
        titleBar = new TitleBar(this, title);
}
