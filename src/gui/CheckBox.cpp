// Check boxes: the box, its mark and caption, and toggling by mouse and keyboard.
#include "trellis/gui/CheckBox.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <GL/gl.h>
#include <algorithm>

namespace trellis {

CheckBox::CheckBox(const char* name, GuiElement* parent, const char* text, float x, float y,
                   float width, float height)
    : TextElement(name, parent, text, x, y, width, height), focusColor(kDefaultFocusColor) {
    skinClass = "checkbox";
    CheckBox::applySkin(skinStore);
}

void CheckBox::applySkin(SkinStore& store) {
    TextElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "checkColor", checkColor);
    applySkinColor(sections, "focusColor", focusColor);
}

void CheckBox::loadAttributes(const AttributeSource& element) {
    TextElement::loadAttributes(element);
    if (const char* given = textAttribute(element, "text"))
        text = given;
    if (textAttribute(element, "checked"))
        checked = optInAttribute(element, "checked");
    bindCallback(textAttribute(element, "onChange"), changeCallback);
}

float CheckBox::boxSize() const {
    return snapToPixel(std::min(fontSize, height));
}

void CheckBox::draw() {
    const float p = pixelSize, side = boxSize();
    const float top = snapToPixel((height - side) * 0.5f);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(0, top, 0);
    glColor4ubv(bgColor.rgba);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(0, side);
    glVertex2f(side, side);
    glVertex2f(side, 0);
    if (checked) {
        // A tick of two strokes, a sixth of the box thick: down to the bottom third, then up
        // to the top-right corner.
        const float s = side, t = std::max(side / 6, p);
        glColor4ubv(checkColor.rgba);
        glVertex2f(s * 0.2f, s * 0.5f);
        glVertex2f(s * 0.42f, s * 0.78f);
        glVertex2f(s * 0.42f, s * 0.78f - t);
        glVertex2f(s * 0.2f + t * 0.7f, s * 0.5f - t * 0.7f);
        glVertex2f(s * 0.42f, s * 0.78f - t);
        glVertex2f(s * 0.42f, s * 0.78f);
        glVertex2f(s * 0.82f, s * 0.24f + t * 0.3f);
        glVertex2f(s * 0.82f - t * 0.7f, s * 0.24f - t * 0.5f);
    }
    glEnd();
    // Bevelled in: dark along the top and left, light along the bottom and right.
    const Color dark = scaleColor(bgColor, 0.6f), light = scaleColor(bgColor, 1.4f);
    glBegin(GL_LINES);
    glColor4ubv(dark.rgba);
    glVertex2f(0, p * 0.5f);
    glVertex2f(side, p * 0.5f);
    glVertex2f(p * 0.5f, 0);
    glVertex2f(p * 0.5f, side);
    glColor4ubv(light.rgba);
    glVertex2f(p, side - p * 0.5f);
    glVertex2f(side, side - p * 0.5f);
    glVertex2f(side - p * 0.5f, p);
    glVertex2f(side - p * 0.5f, side);
    glEnd();
    glPopMatrix();
    if (!text.empty()) {
        float textWidth = 0, textHeight = 0;
        measureText(text.c_str(), fontSize, textWidth, textHeight);
        const float gap = snapToPixel(fontSize * 0.4f);
        glColor4ubv(fontColor.rgba);
        drawText(text.c_str(), side + gap, snapToPixel((height - textHeight) * 0.5f), fontSize,
                 false);
    }
    if (hasKeyboardFocus(this))
        drawFocusFrame(width, height, focusColor);
}

void CheckBox::setChecked(bool state) {
    checked = state;
}

void CheckBox::toggle() {
    checked = !checked;
    changeCallback.fire(this);
}

void CheckBox::onClick(int button) {
    if (button == 0)
        toggle();
    TextElement::onClick(button);
}

bool CheckBox::onKeyDown(int key) {
    if (key != kKeySpace)
        return false;
    toggle();
    return true;
}

bool CheckBox::isFocusable() const {
    return true;
}

}  // namespace trellis
