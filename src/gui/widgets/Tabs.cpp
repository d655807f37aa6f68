// Tabs: the header strip, switching pages by mouse and keys, and placing the pages.
#include "trellis/gui/Tabs.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TabPage.h"
#include "trellis/gui/TitleStrip.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cmath>

namespace trellis {

Tabs::Tabs(const char* name, GuiElement* parent, float x, float y, float width, float height)
    : GuiElement(name, parent, x, y, width, height), focusColor(kDefaultFocusColor) {
    skinClass = "tabs";
    Tabs::applySkin(skinStore);
}

void Tabs::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "fontColor", fontColor);
    applySkinFontSize(sections, "fontSize", fontSize);
    applySkinColor(sections, "tabColor", tabColor);
    applySkinColor(sections, "activeTabColor", activeTabColor);
    applySkinColor(sections, "focusColor", focusColor);
    arrange();
}

void Tabs::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    readFontSizeAttribute(element, "fontSize", fontSize);
    readColorAttribute(element, "fontColor", fontColor);
    bindCallback(textAttribute(element, "onChange"), changeCallback);
    float index = 0;
    if (readNumberAttribute(element, "selected", index)) {
        if (index < 0 || index != std::floor(index) || index > 1e6f)
            element.reportValue("selected", "is not a page index; the first page is shown");
        else
            shown = size_t(index);
    }
    arrange();
}

std::vector<TabPage*> Tabs::pages() const {
    std::vector<TabPage*> found;
    for (GuiElement* child : children.oldestFirst())
        if (auto* page = dynamic_cast<TabPage*>(child))
            found.push_back(page);
    return found;
}

size_t Tabs::current() const {
    const size_t count = pages().size();
    return count == 0 ? 0 : std::min(shown, count - 1);
}

void Tabs::show(size_t index) {
    const size_t count = pages().size();
    if (count == 0)
        return;
    const size_t before = current();
    shown = std::min(index, count - 1);
    arrange();
    if (shown != before)
        changeCallback.fire(this);
}

float Tabs::headerHeight() const {
    return std::min(height, snapToPixel(fontSize * 1.5f));
}

void Tabs::arrange() {
    const std::vector<TabPage*> all = pages();
    const size_t at = current();
    const float top = headerHeight();
    for (size_t i = 0; i < all.size(); ++i) {
        TabPage* page = all[i];
        if (page->x != 0 || page->y != top || page->width != width ||
            page->height != height - top)
            page->setRect(0, top, width, height - top);
        page->visible = i == at;
    }
}

void Tabs::setRect(float x, float y, float width, float height) {
    GuiElement::setRect(x, y, width, height);
    arrange();
}

void Tabs::removeChild(GuiElement* child) {
    GuiElement::removeChild(child);
    arrange();
}

std::vector<float> Tabs::titleEdges() {
    std::vector<const std::string*> titles;
    for (const TabPage* page : pages())
        titles.push_back(&page->title);
    return titleStripEdges(titles, fontSize);
}

const std::string& Tabs::titles() {
    joinedTitles.clear();
    for (const TabPage* page : pages())
        (joinedTitles += page->title) += '\n';
    return joinedTitles;
}

size_t Tabs::titleAt(float localX, float localY) {
    const std::vector<float> edges = titleEdges();
    if (localY < 0 || localY >= headerHeight())
        return edges.size() - 1;
    return titleStripIndexAt(edges, localX);
}

void Tabs::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    if (button != 0)
        return;
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    const size_t hit = titleAt(pointerX - originX, pointerY - originY);
    if (hit < pages().size())
        show(hit);
}

bool Tabs::onKeyDown(int key) {
    const size_t count = pages().size();
    if (count == 0)
        return false;
    const size_t at = current();
    // Ctrl+Tab reaches the tabs from whatever inside them has the focus; the arrows only while
    // the tabs themselves have it, so that a page's own elements keep theirs.
    if (key == kKeyTab && (heldModifiers & kModControl)) {
        show((heldModifiers & kModShift) ? (at + count - 1) % count : (at + 1) % count);
        return true;
    }
    if (focusElement != this)
        return false;
    if (key == kKeyLeft || key == kKeyRight) {
        show(key == kKeyLeft ? (at + count - 1) % count : (at + 1) % count);
        return true;
    }
    return false;
}

bool Tabs::isFocusable() const {
    return true;
}

void Tabs::draw() {
    GuiElement::draw();
    drawDescribed(&Tabs::describe);
}

bool Tabs::record(DrawRecorder& out) {
    return recordDescribed<Tabs>(out, &Tabs::describe, true);
}

void Tabs::describe(DrawRecorder& out) {
    const std::vector<TabPage*> all = pages();
    const std::vector<float> edges = titleEdges();
    const float strip = headerHeight(), gap = pixelSize;
    const size_t at = current();
    out.pushClip(0, 0, width, strip);
    std::vector<RecordedVertex> heads(all.size() * 4);
    for (size_t i = 0; i < all.size(); ++i)
        rectVertices(edges[i], 0, edges[i + 1] - gap, strip, i == at ? activeTabColor : tabColor,
                     &heads[i * 4]);
    if (!heads.empty())
        out.quads(heads.data(), int(heads.size()), false);
    const float inset = snapToPixel(fontSize * 0.5f);
    const float lift = snapToPixel((strip - fontSize) * 0.5f);
    for (size_t i = 0; i < all.size(); ++i)
        if (!all[i]->title.empty())
            out.text(all[i]->title.c_str(), edges[i] + inset, lift, fontSize, fontColor);
    out.popClip();
    if (hasKeyboardFocus(this))
        recordFocusFrame(out, width, height, focusColor);
}

}  // namespace trellis
