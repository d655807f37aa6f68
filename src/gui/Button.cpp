// Buttons: the pressed state, the bevel and the mouse events.
#include "trellis/gui/Button.h"

#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"

#include <GL/gl.h>

namespace trellis {

Button::Button(const char* name, GuiElement* parent, const char* text, float x, float y,
               float width, float height)
    : TextElement(name, parent, text, x, y, width, height) {
    skinClass = "button";
    TextElement::applySkin(skinStore);
    hAlign = TextAlign::Center;
}

void Button::setPressed(bool down) {
    // x and y stay whole multiples of the pixel size: the move is exactly one pixel.
    if (down && !pressed) {
        x += pixelSize;
        y += pixelSize;
    } else if (!down && pressed) {
        x -= pixelSize;
        y -= pixelSize;
    }
    pressed = down;
}

void Button::draw() {
    TextElement::draw();
    if (texture)
        return;
    const float p = pixelSize, w = width, h = height;
    const Color light = scaleColor(bgColor, 1.4f);
    const Color dark = scaleColor(bgColor, 0.6f);
    glBegin(GL_LINES);
    glColor4ubv(pressed ? dark.rgba : light.rgba);
    glVertex2f(w - p, p);
    glVertex2f(0, p);
    glVertex2f(0, p);
    glVertex2f(0, h);
    glColor4ubv(pressed ? light.rgba : dark.rgba);
    glVertex2f(p, h);
    glVertex2f(w - p, h);
    glVertex2f(w - p, h);
    glVertex2f(w, 0);
    glEnd();
}

void Button::onMouseDown(int button) {
    if (button == 0)
        setPressed(true);
    GuiElement::onMouseDown(button);
}

void Button::onMouseUp(int button) {
    if (button == 0)
        setPressed(false);
}

void Button::onMouseEnter() {
    if (pressedElements[0] == this)
        setPressed(true);
}

void Button::onMouseLeave() {
    if (pressed)
        setPressed(false);
}

}  // namespace trellis
