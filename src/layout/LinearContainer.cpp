// Linear containers: children one after another along an axis, aligned across it.
#include "trellis/layout/LinearContainer.h"

#include "trellis/layout/LayoutPass.h"

#include <algorithm>
#include <vector>

namespace trellis {

LinearContainer::LinearContainer(const char* name, GuiElement* parent, const char* skinClass,
                                 bool horizontal)
    : Container(name, parent, skinClass), horizontal(horizontal) {}

void LinearContainer::arrange() {
    const float innerMain = (horizontal ? width : height) - 2 * padding;
    const float innerCross = (horizontal ? height : width) - 2 * padding;
    const std::vector<GuiElement*> shown = shownChildren();
    std::vector<float> mains(shown.size()), crosses(shown.size());
    float used = shown.empty() ? 0 : spacing * float(shown.size() - 1);
    int fills = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        const GuiElement& child = *shown[i];
        const Length& main = horizontal ? child.widthLength : child.heightLength;
        const Length& cross = horizontal ? child.heightLength : child.widthLength;
        float contentWidth = 0, contentHeight = 0;
        if (main.kind() == Length::Kind::Auto || cross.kind() == Length::Kind::Auto)
            contentSize(child, contentWidth, contentHeight);
        const float sizes[2][2] = {{child.width, child.height}, {contentWidth, contentHeight}};
        const auto sizeOf = [&](const Length& length, bool along, float room) {
            const int axis = along == horizontal ? 0 : 1;  // 0: x, 1: y
            switch (length.kind()) {
            case Length::Kind::Percent:
                return length.of(room);
            case Length::Kind::Auto:
                return sizes[1][axis];
            case Length::Kind::Fill:
                return room;
            case Length::Kind::Units:
                break;
            }
            return sizes[0][axis];
        };
        if (main.kind() == Length::Kind::Fill)
            ++fills;
        else
            mains[i] = std::max(0.0f, sizeOf(main, true, innerMain));
        used += mains[i];
        const bool stretch =
            align == ContainerAlign::Stretch && cross.kind() != Length::Kind::Percent;
        crosses[i] = std::max(0.0f, stretch ? innerCross : sizeOf(cross, false, innerCross));
    }
    // What the others leave is shared equally among the children that fill.
    const float share = fills ? std::max(0.0f, innerMain - used) / float(fills) : 0;
    float cursor = padding;
    for (size_t i = 0; i < shown.size(); ++i) {
        GuiElement& child = *shown[i];
        const Length& main = horizontal ? child.widthLength : child.heightLength;
        const float along = main.kind() == Length::Kind::Fill ? share : mains[i];
        const float across = alignedStart(padding, innerCross, crosses[i]);
        if (horizontal)
            place(child, cursor, across, along, crosses[i]);
        else
            place(child, across, cursor, crosses[i], along);
        cursor += (horizontal ? child.width : child.height) + spacing;
    }
}

void LinearContainer::measure(float& measuredWidth, float& measuredHeight) const {
    const std::vector<GuiElement*> shown = shownChildren();
    float along = shown.empty() ? 0 : spacing * float(shown.size() - 1), across = 0;
    for (const GuiElement* child : shown) {
        float childWidth = 0, childHeight = 0;
        sizeContributions(*child, childWidth, childHeight);
        along += horizontal ? childWidth : childHeight;
        across = std::max(across, horizontal ? childHeight : childWidth);
    }
    measuredWidth = (horizontal ? along : across) + 2 * padding;
    measuredHeight = (horizontal ? across : along) + 2 * padding;
}

}  // namespace trellis
