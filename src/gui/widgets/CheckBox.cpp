// Check boxes: the box, its mark and caption, and toggling by mouse and keyboard.
#include "trellis/gui/CheckBox.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

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
    drawDescribed(&CheckBox::describe);
}

bool CheckBox::record(DrawRecorder& out) {
    return recordDescribed<CheckBox>(out, &CheckBox::describe, false);
}

float CheckBox::captionLeft() const {
    return boxSize() + snapToPixel(fontSize * 0.4f);
}

float CheckBox::textRoom() const {
    return width - captionLeft();
}

void CheckBox::describe(DrawRecorder& out) {
    const ScopedFontChain own = ownFont();
    // Hovered over checked: the hover section's values win where both give one.
    StateLook checkedLook(*this, checked ? "checked" : nullptr,
                          {{"fontColor", &fontColor}, {"checkColor", &checkColor}});
    StateLook hoverLook(*this, hoveredElement == this ? "hover" : nullptr,
                        {{"fontColor", &fontColor}, {"checkColor", &checkColor}});
    StateLook disabledLook(*this, isEnabledInTree(this) ? nullptr : "disabled",
                           {{"fontColor", &fontColor}, {"checkColor", &checkColor}});
    const float p = pixelSize, s = boxSize();
    const float top = snapToPixel((height - s) * 0.5f), bottom = top + s;
    RecordedVertex quads[12];
    if (skinImage.shown()) {
        // The skin's picture is the box; a checked picture of its own shows the mark itself.
        recordSkinImage(out, skinImage, 0, top, s, bottom);
        if (checked && !checkedLook.changedImage())
            out.quads(quads, markVertices(top, s, quads), false);
    } else {
        rectVertices(0, top, s, bottom, bgColor, quads);
        const int count = 4 + (checked ? markVertices(top, s, quads + 4) : 0);
        out.quads(quads, count, false);
        // Bevelled in: dark along the top and left, light along the bottom and right, on the
        // pixel centres inside the box.
        const Color dark = scaleColor(bgColor, 0.6f), light = scaleColor(bgColor, 1.4f);
        const float half = p * 0.5f;
        RecordedVertex bevel[8];
        lineVertices(0, top + half, s, top + half, dark, bevel);
        lineVertices(half, top, half, bottom, dark, bevel + 2);
        lineVertices(p, bottom - half, s, bottom - half, light, bevel + 4);
        lineVertices(s - half, top + p, s - half, bottom, light, bevel + 6);
        out.lines(bevel, 8);
    }
    const std::string& shown = shownText();
    if (!shown.empty()) {
        reportUndrawable();
        float textWidth = 0, textHeight = 0;
        measureText(shown.c_str(), fontSize, textWidth, textHeight);
        recordTextRun(out, shown, captionLeft(), snapToPixel((height - textHeight) * 0.5f));
    }
    if (hasKeyboardFocus(this))
        recordFocusFrame(out, width, height, focusColor);
}

int CheckBox::markVertices(float top, float s, RecordedVertex* out) const {
    // A tick of two strokes, a sixth of the box thick: down to the bottom third, then up to the
    // top-right corner.
    const float t = std::max(s / 6, pixelSize), c = top + s * 0.78f;
    const RecordedVertex tick[8] = {
        {s * 0.2f, top + s * 0.5f, 0, 0, checkColor},
        {s * 0.42f, c, 0, 0, checkColor},
        {s * 0.42f, c - t, 0, 0, checkColor},
        {s * 0.2f + t * 0.7f, top + s * 0.5f - t * 0.7f, 0, 0, checkColor},
        {s * 0.42f, c - t, 0, 0, checkColor},
        {s * 0.42f, c, 0, 0, checkColor},
        {s * 0.82f, top + s * 0.24f + t * 0.3f, 0, 0, checkColor},
        {s * 0.82f - t * 0.7f, top + s * 0.24f - t * 0.5f, 0, 0, checkColor}};
    std::copy(tick, tick + 8, out);
    return 8;
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
