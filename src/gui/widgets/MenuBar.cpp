// Menu bars: the strip of titles, and opening menus by mouse and keys.
#include "trellis/gui/MenuBar.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/Menu.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TitleStrip.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>

namespace trellis {

MenuBar::MenuBar(const char* name, GuiElement* parent, float x, float y, float width,
                 float height)
    : GuiElement(name, parent, x, y, width, height), focusColor(kDefaultFocusColor) {
    skinClass = "menubar";
    MenuBar::applySkin(skinStore);
}

void MenuBar::menuClosed(const Menu* menu) {
    if (menu == opened)
        opened = nullptr;
}

void MenuBar::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "fontColor", fontColor);
    applySkinFontSize(sections, "fontSize", fontSize);
    applySkinColor(sections, "highlightColor", highlightColor);
    applySkinColor(sections, "focusColor", focusColor);
}

void MenuBar::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    readFontSizeAttribute(element, "fontSize", fontSize);
    readColorAttribute(element, "fontColor", fontColor);
}

void MenuBar::addChild(GuiElement* child) {
    GuiElement::addChild(child);
    // A menu is still being built when it first arrives: it is taken at its first load or
    // show, through menus().
}

void MenuBar::removeChild(GuiElement* child) {
    GuiElement::removeChild(child);
    // A menu being destroyed is no Menu any more by now; one opening only moves to the root.
    const auto* menu = dynamic_cast<const Menu*>(child);
    if (!menu || !menu->isMoving()) {
        owned.erase(std::remove(owned.begin(), owned.end(), child), owned.end());
        if (child == opened)
            opened = nullptr;
    }
}

std::vector<Menu*> MenuBar::menus() const {
    // Menus deleted with the tree's teardown told no one: only those still here or open count.
    std::vector<Menu*> all;
    const std::vector<GuiElement*>& here = children.oldestFirst();
    for (Menu* menu : owned)
        if (menu == opened || std::find(here.begin(), here.end(), menu) != here.end())
            all.push_back(menu);
    // Menus that arrived since last asked join in the order they came.
    for (GuiElement* child : children.oldestFirst())
        if (auto* menu = dynamic_cast<Menu*>(child);
            menu && std::find(all.begin(), all.end(), menu) == all.end())
            all.push_back(menu);
    auto& self = const_cast<MenuBar&>(*this);
    for (Menu* menu : all)
        menu->neighbour = neighbourOf;
    self.owned = all;
    return all;
}

std::vector<float> MenuBar::titleEdges() const {
    std::vector<const std::string*> titles;
    for (const Menu* menu : menus())
        titles.push_back(&menu->text);
    return titleStripEdges(titles, fontSize);
}

const std::string& MenuBar::titles() {
    joinedTitles.clear();
    for (const Menu* menu : menus())
        (joinedTitles += menu->text) += '\n';
    return joinedTitles;
}

size_t MenuBar::titleAt(float localX) const {
    const std::vector<float> edges = titleEdges();
    const size_t at = titleStripIndexAt(edges, localX);
    return at + 1 < edges.size() ? at : Menu::kNone;
}

void MenuBar::openMenu(size_t index) {
    const std::vector<Menu*> all = menus();
    if (index >= all.size())
        return;
    for (Menu* menu : all)
        menu->close();
    lit = index;
    opened = all[index];
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    all[index]->open(originX + titleEdges()[index], originY + height);
}

void MenuBar::neighbourOf(Menu* menu, int direction) {
    auto* bar = dynamic_cast<MenuBar*>(menu->holder());
    if (!bar)
        return;
    const std::vector<Menu*> all = bar->menus();
    const auto at = size_t(std::find(all.begin(), all.end(), menu) - all.begin());
    if (at < all.size())
        bar->openMenu((at + all.size() + size_t(direction)) % all.size());
}

void MenuBar::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    if (button != 0)
        return;
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    openMenu(titleAt(pointerX - originX));
}

bool MenuBar::onKeyDown(int key) {
    const size_t count = menus().size();
    if (count == 0)
        return false;
    lit = std::min(lit, count - 1);
    switch (key) {
    case kKeyLeft:
    case kKeyRight:
        lit = (lit + count + (key == kKeyLeft ? count - 1 : 1)) % count;
        return true;
    case kKeyEnter:
    case kKeyDown:
    case kKeySpace:
        openMenu(lit);
        return true;
    default:
        return false;
    }
}

bool MenuBar::isFocusable() const {
    return true;
}

void MenuBar::draw() {
    GuiElement::draw();
    drawDescribed(&MenuBar::describe);
}

bool MenuBar::record(DrawRecorder& out) {
    return recordDescribed<MenuBar>(out, &MenuBar::describe, true);
}

void MenuBar::describe(DrawRecorder& out) {
    const std::vector<Menu*> all = menus();
    const std::vector<float> edges = titleEdges();
    const bool focused = hasKeyboardFocus(this);
    out.pushClip(0, 0, width, height);
    for (size_t i = 0; i < all.size(); ++i) {
        // The open menu's title, or the one the keys are on while the bar has the focus.
        if (all[i]->isOpen() || (focused && i == lit)) {
            RecordedVertex mark[4];
            rectVertices(edges[i], 0, edges[i + 1], height, highlightColor, mark);
            out.quads(mark, 4, false);
        }
    }
    const float inset = snapToPixel(fontSize * 0.5f);
    const float lift = snapToPixel((height - fontSize) * 0.5f);
    for (size_t i = 0; i < all.size(); ++i)
        if (!all[i]->text.empty())
            out.text(all[i]->text.c_str(), edges[i] + inset, lift, fontSize, fontColor);
    out.popClip();
    if (focused)
        recordFocusFrame(out, width, height, focusColor);
}

}  // namespace trellis
