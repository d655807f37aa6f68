// Buttons: the pressed state, the bevel and the mouse events.
#include "trellis/gui/Button.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/Image.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"

#include <GL/gl.h>
#include <algorithm>
#include <typeinfo>

namespace trellis {

Button::Button(const char* name, GuiElement* parent, const char* text, float x, float y,
               float width, float height)
    : TextElement(name, parent, text, x, y, width, height) {
    skinClass = "button";
    TextElement::applySkin(skinStore);
    hAlign = TextAlign::Center;
}

void Button::loadAttributes(const AttributeSource& element) {
    TextElement::loadAttributes(element);
    if (!textAttribute(element, "image"))
        return;
    if (!icon)
        icon = new Image("", this, 0, 0, 1, 1);
    icon->loadPictureAttribute(element, "image");
    setRect(x, y, width, height);
}

void Button::setRect(float newX, float newY, float newWidth, float newHeight) {
    TextElement::setRect(newX, newY, newWidth, newHeight);
    if (!icon)
        return;
    // A square two pixels inside the top and bottom edges: at the left beside a text, centred
    // instead of one.
    const float side = std::max(height - 4 * pixelSize, pixelSize);
    const float left = text.empty() ? snapToPixel((width - side) * 0.5f) : 2 * pixelSize;
    icon->setRect(left, 2 * pixelSize, side, side);
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

void Button::hitOrigin(float& hitX, float& hitY) const {
    const float shift = pressed ? pixelSize : 0;
    hitX = x - shift;
    hitY = y - shift;
}

namespace {

constexpr int kBevelVertices = 8;  // four lines

// The bevel of a w x h button: the top and left lines in the first colour, the bottom and right
// lines in the second, one pixel p in from the edges where the lines would double.
void bevelVertices(float w, float h, float p, const Color& first, const Color& second,
                   RecordedVertex (&out)[kBevelVertices]) {
    const RecordedVertex lines[kBevelVertices] = {
        {w - p, p, 0, 0, first},  {0, p, 0, 0, first},  {0, p, 0, 0, first},
        {0, h, 0, 0, first},      {p, h, 0, 0, second}, {w - p, h, 0, 0, second},
        {w - p, h, 0, 0, second}, {w, 0, 0, 0, second}};
    for (int i = 0; i < kBevelVertices; ++i)
        out[i] = lines[i];
}

// Light over dark at rest, swapped while pressed.
void bevelOf(const Button& b, RecordedVertex (&out)[kBevelVertices]) {
    const Color light = scaleColor(b.bgColor, 1.4f), dark = scaleColor(b.bgColor, 0.6f);
    bevelVertices(b.width, b.height, pixelSize, b.pressed ? dark : light, b.pressed ? light : dark,
                  out);
}

}  // namespace

void Button::lookStates(const char* (&states)[3]) const {
    states[0] = hoveredElement == this ? "hover" : nullptr;
    states[1] = pressed ? "pressed" : nullptr;
    states[2] = isEnabledInTree(this) ? nullptr : "disabled";
}

namespace {

std::array<const char*, 3> currentStates(const Button& button) {
    const char* states[3];
    button.lookStates(states);
    return {states[0], states[1], states[2]};
}

}  // namespace

Button::StateLooks::StateLooks(Button& button)
    : states(currentStates(button)), hover(button, states[0], {{"fontColor", &button.fontColor}}),
      press(button, states[1], {{"fontColor", &button.fontColor}}),
      disabled(button, states[2], {{"fontColor", &button.fontColor}}) {}

void Button::draw() {
    const StateLooks looks(*this);
    TextElement::draw();
    if (texture || skinImage.shown())
        return;
    RecordedVertex bevel[kBevelVertices];
    bevelOf(*this, bevel);
    glBegin(GL_LINES);
    for (int i = 0; i < kBevelVertices; ++i) {
        if (i == 0 || bevel[i].color != bevel[i - 1].color)
            glColor4ubv(bevel[i].color.rgba);
        glVertex2f(bevel[i].x, bevel[i].y);
    }
    glEnd();
}

bool Button::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(Button))
        return false;
    const StateLooks looks(*this);
    recordQuad(out);
    recordText(out);
    recordBevel(out);
    return true;
}

void Button::recordBevel(DrawRecorder& out) {
    if (texture || skinImage.shown())
        return;
    RecordedVertex bevel[kBevelVertices];
    bevelOf(*this, bevel);
    out.lines(bevel, kBevelVertices);
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
