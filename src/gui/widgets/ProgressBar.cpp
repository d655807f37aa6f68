// Progress bars: the fill and the range read from a file.
#include "trellis/gui/ProgressBar.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>

namespace trellis {

ProgressBar::ProgressBar(const char* name, GuiElement* parent, float x, float y, float width,
                         float height)
    : GuiElement(name, parent, x, y, width, height) {
    skinClass = "progress";
    bgColor = Color{{230, 230, 230, 255}};
    ProgressBar::applySkin(skinStore);
}

void ProgressBar::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "fillColor", fillColor);
    applySkinColor(sections, "frameColor", frameColor);
}

void ProgressBar::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    readRangeAttributes(element, range, false);
}

void ProgressBar::setValue(double v) {
    if (v == v)
        range.value = range.constrain(v);
}

float ProgressBar::fillWidth() const {
    return snapToPixel(static_cast<float>(range.fraction()) * width);
}

void ProgressBar::draw() {
    drawDescribed(&ProgressBar::describe);
}

bool ProgressBar::record(DrawRecorder& out) {
    return recordDescribed<ProgressBar>(out, &ProgressBar::describe, false);
}

void ProgressBar::describe(DrawRecorder& out) {
    recordQuad(out);
    // Over a skin's picture the fill keeps inside its slices, which frame it.
    const bool framed = !skinImage.shown();
    const float p = pixelSize, *slice = skinImage.slice;
    const float left = framed ? 0 : slice[0] * p, top = framed ? 0 : slice[1] * p;
    const float right = std::min(fillWidth(), framed ? width : width - slice[2] * p);
    const float bottom = framed ? height : height - slice[3] * p;
    if (right > left && bottom > top) {
        RecordedVertex done[4];
        rectVertices(left, top, right, bottom, fillColor, done);
        out.quads(done, 4, false);
    }
    if (framed)
        recordInnerFrame(out, width, height, frameColor);
}

}  // namespace trellis
