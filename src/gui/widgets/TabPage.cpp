// Tab pages: a titled container that its Tabs places.
#include "trellis/gui/TabPage.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/Tabs.h"

#include <typeinfo>

namespace trellis {

TabPage::TabPage(const char* name, GuiElement* parent, const char* title)
    : GuiElement(name, parent, 0, 0, 10, 10), title(title ? title : "") {
    skinClass = "tab";
    GuiElement::applySkin(skinStore);
    if (auto* tabs = dynamic_cast<Tabs*>(parent))
        tabs->arrange();
}

void TabPage::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    if (const char* text = textAttribute(element, "title"))
        title = text;
    // The tabs, not the file, decide where a page lies.
    if (auto* tabs = dynamic_cast<Tabs*>(parent))
        tabs->arrange();
}

bool TabPage::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(TabPage))
        return false;
    recordQuad(out);
    return true;
}

}  // namespace trellis
