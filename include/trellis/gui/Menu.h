// Menu: a popup list of commands, opened from a menu bar or by a right click.
#pragma once

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/ItemHolder.h"

#include <string>
#include <vector>

namespace trellis {

// One line of a menu: a command and what it runs, or a gap between groups.
struct MenuEntry {
    std::string text;  // what the line shows
    Callback select;   // fired when it is chosen
    bool separator = false;  // a gap, not a command
};

// Hidden until opened; open, it lies over everything as the root's newest child and takes
// every press and wheel turn, so that one outside it closes it and reaches nothing else. Up and Down move the highlight (skipping gaps), Enter or a click chooses, Escape
// closes; Left and Right go to the neighbouring menu of its menu bar. With context="1" it opens
// at the pointer at a right click on the element that holds it. Skinned as "popupmenu" (so that
// the common element name "menu" stays free): bgColor,
// fontColor, fontSize, highlightColor, separatorColor.
class Menu : public GuiElement, public ItemHolder {
public:
    static constexpr size_t kNone = static_cast<size_t>(-1);  // no line

    // A closed, empty menu titled text (what a menu bar shows), skinned as "menu".
    Menu(const char* name, GuiElement* parent, const char* text);
    ~Menu() override;  // deleted open, it leaves its holder's notice as well

    void draw() override;                     // the lines, the highlight
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain Menu
    // Adds text, fontSize, fontColor and context (right clicks on the parent open it).
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;  // the colours and sizes above
    // Takes <item text="..." onSelect="..."/> and <separator/>.
    bool loadItem(const char* tag, const AttributeSource& item) override;
    bool containsPoint(float px, float py) override;  // open: everywhere; closed: as usual
    void onMouseDown(int button) override;  // outside it: closes
    void onClick(int button) override;      // chooses the line under the pointer
    bool onScroll(float dx, float dy) override;  // taken while open
    bool onKeyDown(int key) override;       // Up, Down, Home, End, Enter, Escape, Left, Right
    bool isFocusable() const override;      // true: the open menu has the keys

    // Appends a command firing select when chosen.
    void addItem(const std::string& text, const Callback& select = {});
    void addSeparator();                              // appends a gap
    const std::vector<MenuEntry>& entries() const { return lines; }  // every line

    // Opens with its top-left corner at screen (x, y), kept on the interface, the first
    // command highlighted; the focus moves to it, and back to its holder when it closes.
    void open(float screenX, float screenY);
    void close();                          // hides it where it came from; nothing if closed
    bool isOpen() const { return opened; }  // whether it is open
    bool isMoving() const { return moving; }  // between its holder and the root just now
    GuiElement* holder() const { return isOpen() ? home : parent; }  // where it belongs
    // Chooses line index: closes, then fires its command. False for a gap or no line.
    bool choose(size_t index);
    size_t highlighted() const;            // the line under the pointer, else the keys' line
    float lineHeight() const;              // one line's height

    std::string text;                             // the title a menu bar shows
    bool context = false;                         // opened by right clicks on its parent
    float fontSize = 2.0f;                        // the lines' text size
    Color fontColor{{0, 0, 0, 255}};              // commands
    Color highlightColor{{70, 130, 200, 255}};    // the highlighted line
    Color separatorColor{{140, 140, 140, 255}};   // gaps
    // Fired as the open menu asks to move to the menu left (-1) or right (1) of it; the menu
    // bar sets it.
    void (*neighbour)(Menu* menu, int direction) = nullptr;

private:
    friend void forgetMenusHeldBy(const GuiElement* holder);
    // Its holder is being destroyed: closed where it lies, hidden at the root, never returned.
    void holderGone();
    void describe(DrawRecorder& out);
    void fitSize();                   // as wide as the widest line, as tall as all of them
    size_t lineAt(float localY) const;
    size_t nextCommand(size_t from, int direction) const;  // skipping gaps, kNone if none

    std::vector<MenuEntry> lines;
    size_t keyLine = kNone;           // the line the keys highlighted
    GuiElement* home = nullptr;       // the parent it returns to when it closes
    bool opened = false;
    bool moving = false;
};

// Closes each open menu that holder holds, as holder is destroyed: the menu stays, hidden, a
// child of the root (which deletes it). GuiElement's destructor calls it.
void forgetMenusHeldBy(const GuiElement* holder);

}  // namespace trellis
