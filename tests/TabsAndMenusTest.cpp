// Tabs, menu bars and context menus loaded from a file and driven through the real routing:
// clicks, right clicks, keys and clicks outside, with what each chose and showed.
#include "support/CollectedMessages.h"
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/Menu.h"
#include "trellis/gui/MenuBar.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/TabPage.h"
#include "trellis/gui/Tabs.h"

#include <cmath>
#include <functional>

using namespace trellis;

namespace {

const char* const kDialogue =
    "<menubar name='bar'>\n"
    "  <menu name='file' text='File'><item text='Open' onSelect='open'/><separator/>"
    "<item text='Quit' onSelect='quit'/></menu>\n"
    "  <menu name='edit' text='Edit'><item text='Copy' onSelect='copy'/></menu>\n"
    "</menubar>\n"
    "<tabs name='pages' onChange='tab'>\n"
    "  <tab title='One' bgColor='203040ff'><button name='inOne' text='B'/></tab>\n"
    "  <tab title='Two' bgColor='402030ff'><button name='inTwo' text='C'/></tab>\n"
    "  <tab title='Three'/>\n"
    "</tabs>\n"
    "<panel name='area'><menu name='ctx' context='1'><item text='Paste' onSelect='paste'/>"
    "</menu></panel>\n";

std::string chosen;  // the commands fired, in order, each followed by a space

void note(void* what, CallbackSender*) {
    chosen += static_cast<const char*>(what);
    chosen += ' ';
}

}  // namespace

// The file's menu bar at the top (400 x 24 px), tabs below it (400 x 200 px at y 40) and a
// panel at (500, 300).
class TabsAndMenus : public RoutedScene {
protected:
    void SetUp() override {
        RoutedScene::SetUp();
        for (const char* name : {"open", "quit", "copy", "paste", "tab"})
            registerCallback(name, note, const_cast<char*>(name));
        chosen.clear();
        DiagnosticCollector collected;
        loadText(kDialogue);
        EXPECT_EQ(collected.diagnostics().size(), 0u) << collected.diagnostics()[0].message;
        bar = static_cast<MenuBar*>(elementRegistry.at("bar"));
        tabs = static_cast<Tabs*>(elementRegistry.at("pages"));
        bar->setRect(0, 0, px(400), px(24));
        tabs->setRect(0, px(40), px(400), px(200));
        elementRegistry.at("area")->setRect(px(500), px(300), px(100), px(100));
    }
    // The pixel x of the middle of the title index, as titleAt places it.
    static int titleX(const std::function<size_t(float)>& titleAt, size_t index) {
        int first = -1, last = -1;
        for (int x = 0; x < 400; ++x) {
            const bool on = titleAt(px(float(x))) == index;
            first = on && first < 0 ? x : first;
            last = on ? x : last;
        }
        return (first + last) / 2;
    }
    // The pixel y of the middle of line of the open menu.
    static int lineY(const Menu* menu, size_t line) {
        return int(std::lround((menu->y + (float(line) + 0.5f) * menu->lineHeight()) / pixelSize));
    }
    Menu* openMenu() const {
        for (const char* name : {"file", "edit", "ctx"})
            if (auto* menu = static_cast<Menu*>(elementRegistry.at(name)); menu->isOpen())
                return menu;
        return nullptr;
    }

    std::function<size_t(float)> barTitle = [this](float x) { return bar->titleAt(x); };
    std::function<size_t(float)> tabTitle = [this](float x) { return tabs->titleAt(x, px(1)); };
    MenuBar* bar = nullptr;
    Tabs* tabs = nullptr;
};

// Menus open by click, keys and right click, and close by choosing, Escape or a click outside,
// which reaches nothing else.
TEST_F(TabsAndMenus, MenusChooseByMouseAndKeysAndCloseAsAsked) {
    enum Op { ClickTitle, ClickLine, Key, ClickAt, RightClickAt };
    struct Step {
        Op op;
        int what, y = 0;
    };
    struct Case {
        std::vector<Step> steps;
        std::string chosen, open;  // the commands fired; the menu left open ("" none)
    };
    const Case cases[] = {
        {{{ClickTitle, 0}}, "", "file"},
        {{{ClickTitle, 0}, {ClickLine, 0}}, "open ", ""},
        {{{ClickTitle, 0}, {ClickLine, 1}}, "", "file"},  // the gap chooses nothing
        {{{ClickTitle, 0}, {Key, kKeyDown}, {Key, kKeyEnter}}, "quit ", ""},
        {{{ClickTitle, 0}, {Key, kKeyUp}, {Key, kKeyUp}, {Key, kKeyEnter}}, "open ", ""},
        {{{ClickTitle, 0}, {Key, kKeyEscape}}, "", ""},
        {{{ClickTitle, 0}, {Key, kKeyRight}}, "", "edit"},
        {{{ClickTitle, 0}, {Key, kKeyLeft}, {Key, kKeyEnter}}, "copy ", ""},
        {{{ClickTitle, 1}, {ClickAt, 100, 150}}, "", ""},  // outside: closes, tabs unchanged
        {{{ClickTitle, 0}, {Key, kKeyEscape}, {Key, kKeyRight}, {Key, kKeyDown}}, "", "edit"},
        {{{RightClickAt, 550, 350}}, "", "ctx"},
        {{{RightClickAt, 550, 350}, {ClickLine, 0}}, "paste ", ""},
        {{{RightClickAt, 550, 350}, {ClickAt, 10, 10}}, "", ""},  // closed; the bar not opened
    };
    for (size_t c = 0; c < std::size(cases); ++c) {
        chosen.clear();
        for (const Step& step : cases[c].steps) {
            switch (step.op) {
            case ClickTitle:
                clickAt(titleX(barTitle, size_t(step.what)), 12);
                break;
            case ClickLine:
                ASSERT_TRUE(openMenu()) << "case " << c;
                clickAt(int(std::lround(openMenu()->x / pixelSize)) + 5,
                        lineY(openMenu(), size_t(step.what)));
                break;
            case Key:
                tap(step.what);
                break;
            case ClickAt:
                clickAt(step.what, step.y);
                break;
            case RightClickAt:
                moveTo(step.what, step.y);
                onMouseButton(1, 1), onMouseButton(1, 0);
                break;
            }
        }
        const Menu* open = openMenu();
        EXPECT_EQ(chosen, cases[c].chosen) << "case " << c;
        EXPECT_EQ(open ? open->name : "", cases[c].open) << "case " << c;
        EXPECT_EQ(tabs->current(), 0u) << "case " << c;
        if (open)
            tap(kKeyEscape);
        EXPECT_EQ(openMenu(), nullptr);
    }
    // Open, a menu lies over everything, its first line lit, and leaves no trace when closed.
    bar->highlightColor = Color{{200, 0, 200, 255}};
    static_cast<Menu*>(elementRegistry.at("file"))->highlightColor = Color{{0, 200, 90, 255}};
    clickAt(titleX(barTitle, 0), 12);
    Menu* file = openMenu();
    ASSERT_TRUE(file);
    const MatchedBox lit = boxOf(drawn(), file->highlightColor);
    EXPECT_EQ(std::pair(lit.left, lit.top),
              std::pair(int(std::lround(file->x / pixelSize)), lineY(file, 0) -
                        int(std::lround(file->lineHeight() / pixelSize / 2))));
    tap(kKeyEscape);
    EXPECT_EQ(boxOf(drawn(), file->highlightColor).count, 0);
}

// One page shown at a time: titles clicked, Ctrl+Tab from inside a page, arrows on the tabs;
// only the page shown is drawn and takes clicks.
TEST_F(TabsAndMenus, TabsShowOnePageSwitchedByTitlesAndKeys) {
    const std::vector<TabPage*> pages = tabs->pages();
    ASSERT_EQ(pages.size(), 3u);
    auto* inOne = static_cast<Button*>(elementRegistry.at("inOne"));
    inOne->setRect(px(10), px(10), px(50), px(20));
    const int titlesY = 40 + int(std::lround(tabs->headerHeight() / pixelSize / 2));
    struct Step {
        char op;  // 't': click title, 'k': key, 'K': Ctrl+key, 'S': Ctrl+Shift+key, 'b': click
        int what;
        size_t shown;
        std::string changes;
    };
    const Step steps[] = {
        {'t', 1, 1, "tab "},
        {'t', 1, 1, ""},  // the shown page again: no change
        {'t', 0, 0, "tab "},
        {'b', 0, 0, ""},  // the button inside page one takes the focus
        {'K', kKeyTab, 1, "tab "},
        {'K', kKeyTab, 2, "tab "},
        {'K', kKeyTab, 0, "tab "},
        {'S', kKeyTab, 2, "tab "},
        {'t', 0, 0, "tab "},
        {'k', kKeyRight, 1, "tab "},  // the tabs have the focus now
        {'k', kKeyLeft, 0, "tab "},
        {'k', kKeyLeft, 2, "tab "},
    };
    for (const Step& step : steps) {
        chosen.clear();
        if (step.op == 't')
            clickAt(titleX(tabTitle, size_t(step.what)), titlesY);
        else if (step.op == 'b')
            clickAt(20, 40 + int(std::lround(tabs->headerHeight() / pixelSize)) + 20);
        else
            tap(step.what, step.op == 'k'   ? std::vector<int>{}
                           : step.op == 'K' ? std::vector<int>{kKeyLeftControl}
                                            : std::vector<int>{kKeyLeftControl, kKeyLeftShift});
        EXPECT_EQ(std::pair(tabs->current(), chosen), std::pair(step.shown, step.changes))
            << step.op << step.what;
        for (size_t i = 0; i < pages.size(); ++i)
            EXPECT_EQ(isShown(pages[i]), i == step.shown);
    }
    // Page two's colour fills the area below the strip, page one's is nowhere.
    tabs->show(1);
    const int stripBottom = 40 + int(std::lround(tabs->headerHeight() / pixelSize));
    const std::vector<unsigned char> frame = drawn();
    EXPECT_EQ(boxOf(frame, pages[1]->bgColor).top, stripBottom);
    EXPECT_EQ(boxOf(frame, pages[0]->bgColor).count, 0);
}

// A file's page index beyond the pages shows the last; a broken one is reported; empty tabs and
// a menu without lines take every key and click safely.
TEST_F(TabsAndMenus, BadIndicesAndEmptyHoldersAreSafe) {
    DiagnosticCollector collected;
    loadText("<tabs name='t9' selected='9'><tab title='a'/><tab title='b'/></tabs>\n"
             "<tabs name='tn' selected='-2'><tab title='a'/></tabs>\n"
             "<tabs name='empty'/>\n"
             "<menubar name='mb'><menu name='none' text='Empty'/><menu text='X'>"
             "<iten text='typo'/><item text='ok' onSelect='nowhere'/></menu></menubar>\n");
    EXPECT_EQ(static_cast<Tabs*>(elementRegistry.at("t9"))->current(), 1u);
    EXPECT_EQ(static_cast<Tabs*>(elementRegistry.at("tn"))->current(), 0u);
    EXPECT_TRUE(mentionsAll(collected, {"\"selected\"", "<iten>", "nowhere"}));
    auto* empty = static_cast<Tabs*>(elementRegistry.at("empty"));
    empty->setRect(px(600), px(600), px(100), px(100));
    clickAt(610, 605);
    tap(kKeyTab, {kKeyLeftControl});
    tap(kKeyRight);
    EXPECT_EQ(empty->current(), 0u);
    auto* none = static_cast<Menu*>(elementRegistry.at("none"));
    none->open(px(700), px(700));
    for (int key : {kKeyDown, kKeyUp, kKeyEnter, kKeyHome})
        tap(key);
    EXPECT_TRUE(none->isOpen());
    drawn();
    delete none;  // deleted open: the shield goes with it
    clickAt(5, 5);
    drawn();
}

// A context menu whose holder is deleted while it is open closes, and stays safe to use.
TEST_F(TabsAndMenus, ContextMenuClosesWithItsHolder) {
    auto* ctx = static_cast<Menu*>(elementRegistry.at("ctx"));
    moveTo(550, 350);
    onMouseButton(1, 1);
    onMouseButton(1, 0);
    ASSERT_TRUE(ctx->isOpen());
    delete elementRegistry.at("area");
    EXPECT_FALSE(ctx->isOpen());
    EXPECT_FALSE(ctx->visible);
    tap(kKeyEscape);
    clickAt(552, 352);
    drawn();
    EXPECT_EQ(chosen, "");
}
