// Tooltips: when to show one, where, and its look.
#include "trellis/gui/Tooltip.h"

#include "state/KeptVariable.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>

namespace trellis {

namespace {

Tooltip* shown = nullptr;
const GuiElement* watched = nullptr;  // compared only: may be gone
double watchedSince = 0;
const bool perInterface = keepPerInterface(shown, watched, watchedSince);

// The element whose tooltip the hovered element shows: itself or its nearest ancestor with one.
const GuiElement* tooltipSource() {
    const GuiElement* at = hoveredElement;
    if (at && !takesInput(at) && activeModal())
        return nullptr;
    for (; at; at = at->parent)
        if (!at->tooltip.empty())
            return at;
    return nullptr;
}

void hideTooltip() {
    delete shown;  // clears shown
}

}  // namespace

Tooltip::Tooltip(const char* text) : TextElement("", rootElement, text, 0, 0, 1, 1) {
    skinClass = "tooltip";
    bgColor = Color{{255, 255, 225, 255}};
    Tooltip::applySkin(skinStore);
    float textWidth = 0, textHeight = 0;
    measureText(text, fontSize, textWidth, textHeight);
    const float pad = snapToPixel(fontSize * 0.3f);
    setSize(textWidth + 2 * pad, std::max(textHeight, fontSize) + 2 * pad);
    hAlign = TextAlign::Center;
    shown = this;
}

Tooltip::~Tooltip() {
    if (shown == this)
        shown = nullptr;
}

void Tooltip::applySkin(SkinStore& store) {
    TextElement::applySkin(store);
    applySkinColor(skinSectionsOf(store, *this), "borderColor", borderColor);
}

void Tooltip::draw() {
    drawDescribed(&Tooltip::describe);
}

bool Tooltip::record(DrawRecorder& out) {
    return recordDescribed<Tooltip>(out, &Tooltip::describe, false);
}

void Tooltip::describe(DrawRecorder& out) {
    recordQuad(out);
    recordText(out);
    if (!skinImage.shown())
        recordInnerFrame(out, width, height, borderColor);
}

void updateTooltip(double now) {
    const GuiElement* source = tooltipSource();
    const bool held = pressedElements[0] || pressedElements[1] || pressedElements[2];
    if (source != watched || held) {
        watched = held ? nullptr : source;
        watchedSince = now;
        hideTooltip();
        return;
    }
    if (!source || shown || now - watchedSince < kTooltipDelay || !rootElement)
        return;
    auto* tip = new Tooltip(source->tooltip.c_str());
    // Below and right of the pointer, moved back inside the layout area where it would leave it.
    const float below = snapToPixel(2.5f);
    const float left = std::max(0.0f, std::min(pointerX, layoutAreaWidth() - tip->width));
    float top = pointerY + below;
    if (top + tip->height > layoutAreaHeight())
        top = pointerY - tip->height - pixelSize;
    tip->setPosition(snapToPixel(left), snapToPixel(std::max(0.0f, top)));
}

Tooltip* shownTooltip() {
    return shown;
}

}  // namespace trellis
