// Tabs: a strip of page titles over the one page shown.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <string>
#include <vector>

namespace trellis {

class TabPage;

// Holds TabPage children and shows one of them below a header strip of their titles. A click on
// a title shows its page; Ctrl+Tab and Ctrl+Shift+Tab cycle the pages from anywhere inside,
// Left and Right while the tabs themselves have the focus. Skinned as "tabs": bgColor,
// tabColor, activeTabColor, fontColor, fontSize, focusColor.
class Tabs : public GuiElement {
public:
    // Empty tabs, skinned as "tabs".
    Tabs(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                     // background, header strip, focus frame
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain Tabs
    // Adds selected (a page index), fontSize, fontColor and onChange.
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;  // the colours and sizes above
    void setRect(float x, float y, float width, float height) override;  // places the pages
    void removeChild(GuiElement* child) override;  // and shows another page if it was shown
    void onMouseDown(int button) override;  // left on a title: shows its page
    bool onKeyDown(int key) override;       // Ctrl+Tab, Ctrl+Shift+Tab; Left and Right
    bool isFocusable() const override;      // true

    std::vector<TabPage*> pages() const;  // the pages, oldest first
    size_t current() const;               // the index of the page shown (0 without pages)
    // Shows the page at index (clamped to the pages), firing changeCallback when it changed.
    void show(size_t index);
    // Places every page below the strip and shows only the current one; called when pages come
    // and go or the tabs change size.
    void arrange();
    float headerHeight() const;                    // the strip's height
    size_t titleAt(float localX, float localY);   // the page whose title is there, or pages' size
    const std::string& titles();                   // every title, one a line (what the strip shows)

    float fontSize = 2.0f;                        // the titles' size
    Color fontColor{{0, 0, 0, 255}};              // the titles
    Color tabColor{{90, 90, 100, 255}};           // a title's background
    Color activeTabColor{{70, 130, 200, 255}};    // the current page's title
    Color focusColor;                             // the focus frame
    Callback changeCallback;                      // another page is shown

private:
    void describe(DrawRecorder& out);
    // The left edges of the titles, and the strip's end after them.
    std::vector<float> titleEdges();

    size_t shown = 0;  // the page asked for: a file's may come before the page itself
    std::string joinedTitles;
};

}  // namespace trellis
