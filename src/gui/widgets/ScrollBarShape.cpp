// The scroll bar's thumb geometry and its look.
#include "trellis/gui/ScrollBarShape.h"

#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>

namespace trellis {

float scrollThumbLength(float view, float content, float minimum) {
    const float share = content > 0 ? view * view / content : view;
    return snapToPixel(std::min(view, std::max(minimum, share)));
}

float scrollThumbTop(float view, float thumbLength, float offset, float range) {
    return range > 0 ? snapToPixel((view - thumbLength) * offset / range) : 0;
}

void recordScrollBar(DrawRecorder& out, float left, float right, float height, float thumbTop,
                     float thumbLength, const Color& barColor, const Color& thumbColor, float top) {
    RecordedVertex bar[8];
    rectVertices(left, top, right, top + height, barColor, bar);
    rectVertices(left + pixelSize, top + thumbTop + pixelSize, right - pixelSize,
                 top + thumbTop + thumbLength - pixelSize, thumbColor, bar + 4);
    out.quads(bar, 8, false);
}

void applySkinBarWidth(const SkinSections& sections, float& barWidth) {
    float width = barWidth;
    applySkinReal(sections, "barWidth", width);
    if (width >= pixelSize && width <= 100)
        barWidth = snapToPixel(width);
}

}  // namespace trellis
