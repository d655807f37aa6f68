// Progress bars: the fill and the range read from a file.
#include "trellis/gui/ProgressBar.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <typeinfo>

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
    ImmediateRecorder now;
    describe(now);
}

bool ProgressBar::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(ProgressBar))
        return false;
    describe(out);
    return true;
}

void ProgressBar::describe(DrawRecorder& out) {
    recordQuad(out);
    const float fill = fillWidth();
    if (fill > 0) {
        RecordedVertex done[4];
        rectVertices(0, 0, fill, height, fillColor, done);
        out.quads(done, 4, false);
    }
    recordInnerFrame(out, width, height, frameColor);
}

}  // namespace trellis
