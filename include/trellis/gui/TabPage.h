// TabPage: one page of a Tabs element, an ordinary container of elements under a title.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <string>

namespace trellis {

// A page whose title shows in its Tabs' header strip; the Tabs places it below the strip and
// shows it only while it is the current page. Skinned as "tab" (bgColor).
class TabPage : public GuiElement {
public:
    // A page titled title (null: untitled) under parent, placed by parent when it is a Tabs.
    TabPage(const char* name, GuiElement* parent, const char* title);

    void loadAttributes(const AttributeSource& element) override;  // adds title
    bool record(DrawRecorder& out) override;  // the quad, for a plain TabPage

    std::string title;  // the header's text
};

}  // namespace trellis
