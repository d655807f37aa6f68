// MenuBar: a strip of menu titles that open their menus.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <string>
#include <vector>

namespace trellis {

class Menu;

// Holds Menu children and shows their titles in a strip; a click on a title opens its menu
// below it. While it has the focus, Left and Right move between titles and Enter or Down opens
// one; an open menu's Left and Right open its neighbour. Skinned as "menubar": bgColor,
// fontColor, fontSize, highlightColor, focusColor.
class MenuBar : public GuiElement {
public:
    // An empty bar, skinned as "menubar".
    MenuBar(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                     // background, titles, highlight, focus frame
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain MenuBar
    void loadAttributes(const AttributeSource& element) override;  // adds fontSize, fontColor
    void applySkin(SkinStore& store) override;  // the colours and sizes above
    void addChild(GuiElement* child) override;  // a Menu learns its neighbours
    void removeChild(GuiElement* child) override;  // forgets a menu unless it is only opening
    void onMouseDown(int button) override;  // left on a title: opens its menu
    bool onKeyDown(int key) override;       // Left, Right, Enter, Down
    bool isFocusable() const override;      // true

    // The menus, oldest first, open ones included (an open menu lies at the root meanwhile).
    std::vector<Menu*> menus() const;
    void openMenu(size_t index);                  // opens that menu under its title
    void menuClosed(const Menu* menu);            // its open menu closed
    size_t titleAt(float localX) const;           // the menu whose title is there, or none
    size_t highlighted() const { return lit; }    // the title the keys are on
    const std::string& titles();                  // every title, one a line (what it shows)

    float fontSize = 2.0f;                       // the titles' size
    Color fontColor{{0, 0, 0, 255}};             // the titles
    Color highlightColor{{70, 130, 200, 255}};   // the title the keys are on, or open
    Color focusColor;                            // the focus frame

private:
    void describe(DrawRecorder& out);
    std::vector<float> titleEdges() const;  // the left edges of the titles, and their end
    static void neighbourOf(Menu* menu, int direction);

    // Every menu in order, whether it lies here now or at the root; only those among the
    // children or open are still alive.
    std::vector<Menu*> owned;
    Menu* opened = nullptr;  // its menu now open at the root
    size_t lit = 0;
    std::string joinedTitles;
};

}  // namespace trellis
