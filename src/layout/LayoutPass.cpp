// The layout pass: measuring content, and working lengths out parents first.
#include "trellis/layout/LayoutPass.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TextElement.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/layout/Container.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace trellis {

namespace {

// Measuring nests auto sizes inside auto sizes; past this depth, which no interface reaches,
// an element counts at its size as it stands, so a hostile file cannot exhaust the stack.
constexpr int kMaxMeasureDepth = 64;
int measureDepth = 0;

// The room around a text element's text: its style's "padding", or the inset its text is
// drawn at.
float textPadding(const TextElement& element) {
    if (const char* given = findSkinAttribute(skinStore, element, "padding")) {
        const float padding = parseRealText(given);
        if (std::isfinite(padding) && padding >= 0)
            return padding;
    }
    return element.fontSize * 0.25f;
}

// The furthest right and down that element's visible children reach, title bars aside (they
// follow their window's width).
void childrenExtent(const GuiElement& element, float& width, float& height) {
    width = height = 0;
    for (const GuiElement* child : element.children) {
        if (!child->visible || dynamic_cast<const TitleBar*>(child))
            continue;
        const float left = child->xLength.isUnits() ? child->x : 0;
        const float top = child->yLength.isUnits() ? child->y : 0;
        float childWidth = 0, childHeight = 0;
        sizeContributions(*child, childWidth, childHeight);
        width = std::max(width, left + childWidth);
        height = std::max(height, top + childHeight);
    }
}

bool hasContentChildren(const GuiElement& element) {
    for (const GuiElement* child : element.children)
        if (child->visible && !dynamic_cast<const TitleBar*>(child))
            return true;
    return false;
}

// The room an element's parent gives its lengths: the parent's size, or the layout area for a
// top-level element.
void roomOf(const GuiElement& element, float& width, float& height) {
    if (!element.parent || element.parent == rootElement) {
        width = layoutAreaWidth();
        height = layoutAreaHeight();
    } else {
        width = element.parent->width;
        height = element.parent->height;
    }
}

// Works out element's own lengths against its parent's room, touching nothing when they are
// all units.
void resolveOwnLengths(GuiElement& element) {
    const Length* lengths[] = {&element.xLength, &element.yLength, &element.widthLength,
                               &element.heightLength};
    if (std::all_of(std::begin(lengths), std::end(lengths),
                    [](const Length* length) { return length->isUnits(); }))
        return;
    float roomWidth = 0, roomHeight = 0, contentWidth = 0, contentHeight = 0;
    roomOf(element, roomWidth, roomHeight);
    if (element.widthLength.kind() == Length::Kind::Auto ||
        element.heightLength.kind() == Length::Kind::Auto)
        contentSize(element, contentWidth, contentHeight);
    const auto position = [](const Length& length, float now, float room) {
        return length.kind() == Length::Kind::Percent ? length.of(room) : now;
    };
    const auto size = [](const Length& length, float now, float room, float at, float content) {
        switch (length.kind()) {
        case Length::Kind::Percent:
            return std::max(0.0f, length.of(room));
        case Length::Kind::Auto:
            return content;
        case Length::Kind::Fill:
            return std::max(0.0f, room - at);  // up to the parent's far edge
        case Length::Kind::Units:
            break;
        }
        return now;
    };
    const float x = position(element.xLength, element.x, roomWidth);
    const float y = position(element.yLength, element.y, roomHeight);
    element.setRect(x, y, size(element.widthLength, element.width, roomWidth, x, contentWidth),
                    size(element.heightLength, element.height, roomHeight, y, contentHeight));
}

}  // namespace

void contentSize(const GuiElement& element, float& width, float& height) {
    width = element.width;
    height = element.height;
    if (measureDepth >= kMaxMeasureDepth)
        return;
    ++measureDepth;
    if (const auto* container = dynamic_cast<const Container*>(&element)) {
        container->measure(width, height);
    } else if (const auto* text = dynamic_cast<const TextElement*>(&element)) {
        float textWidth = 0, textHeight = 0;
        measureText(text->text.c_str(), text->fontSize, textWidth, textHeight);
        const float padding = textPadding(*text);
        width = textWidth + 2 * padding;
        height = std::max(textHeight, text->fontSize) + 2 * padding;
    } else if (hasContentChildren(element)) {
        childrenExtent(element, width, height);
    }
    --measureDepth;
}

void sizeContributions(const GuiElement& child, float& width, float& height) {
    // Measured once for both axes: measuring twice at every level of nested containers would
    // double the work with each level.
    float contentWidth = 0, contentHeight = 0;
    if (child.widthLength.kind() == Length::Kind::Auto ||
        child.heightLength.kind() == Length::Kind::Auto)
        contentSize(child, contentWidth, contentHeight);
    const auto contribution = [](const Length& length, float now, float content) {
        switch (length.kind()) {
        case Length::Kind::Units:
            return now;
        case Length::Kind::Auto:
            return content;
        case Length::Kind::Percent:
        case Length::Kind::Fill:
            break;
        }
        return 0.0f;
    };
    width = contribution(child.widthLength, child.width, contentWidth);
    height = contribution(child.heightLength, child.height, contentHeight);
}

void layOut(GuiElement* element) {
    if (!element)
        return;
    // Parents first, without recursion (trees can be deep): each element's room is settled
    // before its children's lengths are worked out against it.
    std::vector<GuiElement*> pending{element};
    while (!pending.empty()) {
        GuiElement* current = pending.back();
        pending.pop_back();
        // A container's children are placed by the container, not by their own x and y.
        if (!dynamic_cast<Container*>(current->parent))
            resolveOwnLengths(*current);
        if (auto* container = dynamic_cast<Container*>(current))
            container->arrange();
        for (GuiElement* child : current->children)
            pending.push_back(child);
    }
}

void layOutInterface() {
    layOut(rootElement);
}

}  // namespace trellis
