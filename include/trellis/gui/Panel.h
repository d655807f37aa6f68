// Panel: a container element. With scrolling on, its children are clipped to its rectangle
// and scroll vertically, by the wheel or a scroll bar at its right edge.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

// A plain container, or, with scroll set, a clipped view on children taller than itself.
class Panel : public GuiElement {
public:
    // At the origin, 10 x 10 units, skinned as "panel".
    Panel(const char* name, GuiElement* parent);

    void loadAttributes(const AttributeSource& element) override;  // adds scroll
    void applySkin(SkinStore& store) override;    // adds barColor, thumbColor, barWidth
    void onMouseDown(int button) override;        // on the bar: grabs or moves the thumb
    void onMouseDrag(float x, float y) override;  // drags a grabbed thumb
    bool onScroll(float dx, float dy) override;   // scrolls while the bar is shown
    bool childClip(float& left, float& top, float& right, float& bottom) const override;
    float childrenScrollY() const override;               // the scroll position, within its range
    void drawOverChildren() override;                     // the scroll bar
    bool record(DrawRecorder& out) override;              // the quad, for a plain Panel
    void recordOverChildren(DrawRecorder& out) override;  // the scroll bar

    // The bottom of the lowest visible child: the height of what there is to scroll through.
    float contentHeight() const;
    // How far the content can scroll: what does not fit, or 0.
    float maxScroll() const;
    // Whether the scroll bar is shown: scrolling is on and the content is taller.
    bool hasScrollBar() const;
    // Scrolls to offset (clamped to the range, snapped to whole pixels).
    void scrollTo(float offset);

    bool scroll = false;                     // clip and scroll the children
    float scrollY = 0;                       // how far the children are scrolled up
    float barWidth;                          // the scroll bar's width
    Color barColor{{200, 200, 200, 255}};    // the bar's track
    Color thumbColor{{120, 120, 120, 255}};  // the bar's thumb

private:
    float thumbHeight() const;   // the thumb's length along the track
    float thumbTop() const;      // the thumb's top, from the panel's top
    bool draggingThumb = false;  // the left press went down on the thumb
    float thumbGrab = 0;         // where on the thumb it was grabbed
};

// Scrolls every scrolling panel that element lies in, the nearest first, just far enough that
// the element comes into its view (its top, when it is taller than the view).
void scrollIntoView(GuiElement* element);

// Units scrolled by one notch of the wheel.
constexpr float kScrollStepUnits = 3.0f;

}  // namespace trellis
