// Menus: their lines, opening over everything, and choosing by mouse and keys.
#include "trellis/gui/Menu.h"

#include "gui/element/ElementGoing.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/MenuBar.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace trellis {

namespace {

// A right click on the holder of a context menu: opens it at the pointer.
void openAtPointer(void* menu, CallbackSender*) {
    static_cast<Menu*>(menu)->open(pointerX, pointerY);
}

// The menus open now, which hold their holders' addresses.
std::vector<Menu*>& openMenus() {
    static auto* menus = new std::vector<Menu*>();  // elements may go while the program exits
    return *menus;
}

void forgetOpenMenu(const Menu* menu) {
    std::vector<Menu*>& menus = openMenus();
    menus.erase(std::remove(menus.begin(), menus.end(), menu), menus.end());
}

}  // namespace

void forgetMenusHeldBy(const GuiElement* holder) {
    std::vector<Menu*>& menus = openMenus();
    for (size_t i = 0; i < menus.size();) {
        if (menus[i]->home == holder)
            menus[i]->holderGone();  // leaves the list
        else
            ++i;
    }
}

Menu::Menu(const char* name, GuiElement* parent, const char* text)
    : GuiElement(name, parent, 0, 0, 1, 1), text(text ? text : "") {
    skinClass = "popupmenu";
    visible = false;
    Menu::applySkin(skinStore);
}

Menu::~Menu() {
    forgetOpenMenu(this);
    // Deleted while open: out of the root first, then out of its holder's count (a menu bar
    // still counts it as its own).
    if (opened && parent)
        parent->removeChild(this);
    if (opened && home)
        home->removeChild(this);
}

void Menu::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "fontColor", fontColor);
    applySkinFontSize(sections, "fontSize", fontSize);
    applySkinColor(sections, "highlightColor", highlightColor);
    applySkinColor(sections, "separatorColor", separatorColor);
    fitSize();
}

void Menu::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    if (const char* title = textAttribute(element, "text"))
        text = title;
    readFontSizeAttribute(element, "fontSize", fontSize);
    readColorAttribute(element, "fontColor", fontColor);
    context = optInAttribute(element, "context");
    if (context && parent) {
        Callback& rightClick = parent->clickCallbacks[1];
        if (rightClick.function)
            element.reportValue("context", "its holder already has onRightClick; not opened");
        else
            rightClick = {openAtPointer, this};
    }
    fitSize();
}

bool Menu::loadItem(const char* tag, const AttributeSource& item) {
    if (std::strcmp(tag, "separator") == 0) {
        addSeparator();
        return true;
    }
    if (std::strcmp(tag, "item") != 0)
        return false;
    const char* line = textAttribute(item, "text");
    Callback select;
    readCallbackAttribute(item, "onSelect", select);
    addItem(line ? line : "", select);
    return true;
}

void Menu::addItem(const std::string& line, const Callback& select) {
    lines.push_back({line, select, false});
    fitSize();
}

void Menu::addSeparator() {
    lines.push_back({"", {}, true});
    fitSize();
}

float Menu::lineHeight() const {
    return std::max(snapToPixel(fontSize * 1.4f), pixelSize);
}

void Menu::fitSize() {
    float widest = 0;
    for (const MenuEntry& line : lines) {
        float w = 0, h = 0;
        measureText(line.text.c_str(), fontSize, w, h);
        widest = std::max(widest, w);
    }
    const float inset = snapToPixel(fontSize * 0.5f);
    setSize(std::max(snapToPixel(widest) + 2 * inset, 4 * inset),
            std::max(float(lines.size()) * lineHeight(), pixelSize));
}

void Menu::open(float screenX, float screenY) {
    if (isOpen() || !rootElement || !parent)
        return;
    home = parent;
    moving = true;
    home->removeChild(this);
    moving = false;
    // The newest child is drawn last and hit first.
    rootElement->addChild(this);
    opened = true;
    fitSize();
    // Kept on the interface where it can be.
    const float right = layoutAreaWidth(), bottom = layoutAreaHeight();
    setPosition(std::max(0.0f, std::min(screenX, right - width)),
                std::max(0.0f, std::min(screenY, bottom - height)));
    visible = true;
    openMenus().push_back(this);
    keyLine = nextCommand(kNone, 1);
    focusElement = this;
    refreshHover();
}

void Menu::holderGone() {
    // The holder is half destroyed: nothing of it is asked, and the pointer's hover is found
    // again at its next move.
    home = nullptr;
    opened = false;
    visible = false;
    forgetOpenMenu(this);
    forgetRoutedElement(this);
}

void Menu::close() {
    if (!isOpen())
        return;
    opened = false;
    visible = false;
    forgetOpenMenu(this);
    if (!home) {
        if (focusElement == this)
            focusElement = nullptr;
        refreshHover();
        return;
    }
    if (parent)
        parent->removeChild(this);
    moving = true;
    home->addChild(this);
    moving = false;
    if (auto* bar = dynamic_cast<MenuBar*>(home))
        bar->menuClosed(this);
    if (focusElement == this || !focusElement)
        focusElement = home->isFocusable() ? home : nullptr;
    refreshHover();
}

bool Menu::choose(size_t index) {
    if (index >= lines.size() || lines[index].separator)
        return false;
    // Closed before the command runs: the command may open another menu or delete this one.
    const Callback command = lines[index].select;
    close();
    command.fire(this);
    return true;
}

size_t Menu::lineAt(float localY) const {
    if (localY < 0 || localY >= height)
        return kNone;
    const size_t line = size_t(localY / lineHeight());
    return line < lines.size() ? line : kNone;
}

size_t Menu::highlighted() const {
    if (hoveredElement == this) {
        float originX = 0, originY = 0;
        elementScreenPosition(this, originX, originY);
        const size_t line = lineAt(pointerY - originY);
        if (line != kNone && !lines[line].separator)
            return line;
    }
    return keyLine;
}

size_t Menu::nextCommand(size_t from, int direction) const {
    const size_t count = lines.size();
    for (size_t step = 1; step <= count; ++step) {
        const size_t at = from == kNone ? (direction > 0 ? step - 1 : count - step)
                                        : (from + count + direction * step) % count;
        if (!lines[at].separator)
            return at;
    }
    return kNone;
}

bool Menu::containsPoint(float px, float py) {
    return opened || GuiElement::containsPoint(px, py);
}

void Menu::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    const float localX = pointerX - originX, localY = pointerY - originY;
    if (localX < 0 || localY < 0 || localX >= width || localY >= height)
        close();
}

bool Menu::onScroll(float, float) {
    return opened;
}

void Menu::onClick(int button) {
    GuiElement::onClick(button);
    if (button != 0)
        return;
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    choose(lineAt(pointerY - originY));
}

bool Menu::onKeyDown(int key) {
    if (!isOpen())
        return false;
    switch (key) {
    case kKeyDown:
    case kKeyUp: {
        const size_t from = highlighted();
        keyLine = nextCommand(from, key == kKeyDown ? 1 : -1);
        return true;
    }
    case kKeyHome:
    case kKeyEnd:
        keyLine = nextCommand(kNone, key == kKeyHome ? 1 : -1);
        return true;
    case kKeyEnter:
    case kKeySpace:
        choose(highlighted());
        return true;
    case kKeyEscape:
        close();
        return true;
    case kKeyLeft:
    case kKeyRight:
        if (neighbour)
            neighbour(this, key == kKeyLeft ? -1 : 1);
        return true;
    default:
        return true;  // an open menu keeps the keys from what lies under it
    }
}

bool Menu::isFocusable() const {
    return isOpen();
}

void Menu::draw() {
    GuiElement::draw();
    drawDescribed(&Menu::describe);
}

bool Menu::record(DrawRecorder& out) {
    return recordDescribed<Menu>(out, &Menu::describe, true);
}

void Menu::describe(DrawRecorder& out) {
    const float lineH = lineHeight(), inset = snapToPixel(fontSize * 0.5f);
    const size_t lit = highlighted();
    RecordedVertex marks[4];
    if (lit < lines.size()) {
        const float top = float(lit) * lineH;
        rectVertices(0, top, width, top + lineH, highlightColor, marks);
        out.quads(marks, 4, false);
    }
    std::vector<RecordedVertex> gaps;
    const float lift = snapToPixel((lineH - fontSize) * 0.5f);
    for (size_t i = 0; i < lines.size(); ++i) {
        const float top = float(i) * lineH;
        if (lines[i].separator) {
            const float middle = top + snapToPixel(lineH * 0.5f) + pixelSize * 0.5f;
            gaps.resize(gaps.size() + 2);
            lineVertices(inset, middle, width - inset, middle, separatorColor,
                         &gaps[gaps.size() - 2]);
        } else if (!lines[i].text.empty()) {
            out.text(lines[i].text.c_str(), inset, top + lift, fontSize, fontColor);
        }
    }
    if (!gaps.empty())
        out.lines(gaps.data(), int(gaps.size()));
}

namespace {

// Every element's destructor closes the open menus it holds.
[[maybe_unused]] const bool forgetsGoingHolders =
    (hearElementsGoing([](GuiElement* holder) { forgetMenusHeldBy(holder); }), true);

}  // namespace

}  // namespace trellis
