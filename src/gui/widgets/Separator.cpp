// Separators: the groove along the longer side.
#include "trellis/gui/Separator.h"

#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

namespace trellis {

Separator::Separator(const char* name, GuiElement* parent, float x, float y, float width,
                     float height)
    : GuiElement(name, parent, x, y, width, height) {
    skinClass = "separator";
    Separator::applySkin(skinStore);
}

void Separator::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    applySkinColor(skinSectionsOf(store, *this), "lineColor", lineColor);
}

void Separator::draw() {
    drawDescribed(&Separator::describe);
}

bool Separator::record(DrawRecorder& out) {
    return recordDescribed<Separator>(out, &Separator::describe, false);
}

void Separator::describe(DrawRecorder& out) {
    const float p = pixelSize;
    const Color light = scaleColor(lineColor, 1.6f);
    RecordedVertex groove[8];
    if (vertical()) {
        const float left = snapToPixel(width * 0.5f - p);
        rectVertices(left, 0, left + p, height, lineColor, groove);
        rectVertices(left + p, 0, left + 2 * p, height, light, groove + 4);
    } else {
        const float top = snapToPixel(height * 0.5f - p);
        rectVertices(0, top, width, top + p, lineColor, groove);
        rectVertices(0, top + p, width, top + 2 * p, light, groove + 4);
    }
    out.quads(groove, 8, false);
}

}  // namespace trellis
