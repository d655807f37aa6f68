// Panels: clipping, the scroll range, the scroll bar and its wheel and mouse handling.
#include "trellis/gui/Panel.h"

#include "gui/input/RoutingHooks.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/ScrollBarShape.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <typeinfo>

namespace trellis {

Panel::Panel(const char* name, GuiElement* parent)
    : GuiElement(name, parent, 0, 0, 10, 10), barWidth(snapToPixel(1.5f)) {
    skinClass = "panel";
    Panel::applySkin(skinStore);
}

void Panel::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    scroll = optInAttribute(element, "scroll");
}

void Panel::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "barColor", barColor);
    applySkinColor(sections, "thumbColor", thumbColor);
    applySkinBarWidth(sections, barWidth);
}

float Panel::contentHeight() const {
    float bottom = 0;
    for (const GuiElement* child : children)
        if (child->visible)
            bottom = std::max(bottom, child->y + child->height);
    return bottom;
}

float Panel::maxScroll() const {
    return std::max(0.0f, contentHeight() - height);
}

bool Panel::hasScrollBar() const {
    return scroll && contentHeight() > height;
}

float Panel::childrenScrollY() const {
    return scroll ? std::min(scrollY, maxScroll()) : 0.0f;
}

void Panel::scrollTo(float offset) {
    scrollY = snapToPixel(std::max(0.0f, std::min(offset, maxScroll())));
}

bool Panel::childClip(float& left, float& top, float& right, float& bottom) const {
    if (!scroll)
        return false;
    left = 0;
    top = 0;
    right = width - (hasScrollBar() ? barWidth : 0);
    bottom = height;
    return true;
}

float Panel::thumbHeight() const {
    return scrollThumbLength(height, contentHeight(), barWidth);
}

float Panel::thumbTop() const {
    return scrollThumbTop(height, thumbHeight(), childrenScrollY(), maxScroll());
}

void Panel::drawOverChildren() {
    ImmediateRecorder now;
    recordOverChildren(now);
}

bool Panel::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(Panel))
        return false;
    recordQuad(out);
    return true;
}

void Panel::recordOverChildren(DrawRecorder& out) {
    if (!hasScrollBar())
        return;
    recordScrollBar(out, width - barWidth, width, height, thumbTop(), thumbHeight(), barColor,
                    thumbColor);
}

void Panel::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    draggingThumb = false;
    if (button != 0 || !hasScrollBar())
        return;
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    const float localX = pointerX - originX, localY = pointerY - originY;
    if (localX < width - barWidth)
        return;
    // A press on the track beside the thumb brings the thumb's middle under the pointer.
    const float top = thumbTop(), length = thumbHeight();
    thumbGrab = localY >= top && localY < top + length ? localY - top : length * 0.5f;
    draggingThumb = true;
    onMouseDrag(localX, localY);
}

void Panel::onMouseDrag(float, float localY) {
    const float travel = height - thumbHeight();
    if (!draggingThumb || travel <= 0)
        return;
    scrollTo((localY - thumbGrab) / travel * maxScroll());
}

void scrollIntoView(GuiElement* element) {
    if (!element)
        return;
    // The element's top and bottom in the coordinates of the children of each ancestor.
    float top = element->y, bottom = element->y + element->height;
    for (GuiElement* holder = element->parent; holder; holder = holder->parent) {
        if (auto* panel = dynamic_cast<Panel*>(holder); panel && panel->hasScrollBar()) {
            if (bottom - panel->childrenScrollY() > panel->height)
                panel->scrollTo(bottom - panel->height);
            if (top < panel->childrenScrollY())
                panel->scrollTo(top);
        }
        const float shift = holder->y - holder->childrenScrollY();
        top += shift;
        bottom += shift;
    }
}

bool Panel::onScroll(float, float dy) {
    if (!hasScrollBar())
        return false;
    // The wheel turned away from the user (dy > 0) shows what lies above.
    scrollTo(childrenScrollY() - dy * snapToPixel(kScrollStepUnits));
    return true;
}

namespace {

// Moving the keyboard focus scrolls the panels the focus lies in to show it.
[[maybe_unused]] const bool focusScrollsPanels = (scrollToShow = scrollIntoView, true);

}  // namespace

}  // namespace trellis
