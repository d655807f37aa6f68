// Tests for lengths that adapt and for containers: parsing, and the rectangles a dialogue file
// lays out at two window sizes (a host's relayout on resize is in HostApiTest).
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "support/TestFont.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Window.h"
#include "trellis/layout/LayoutPass.h"
#include "trellis/layout/Row.h"
#include "trellis/shell/GuiShell.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace trellis;

namespace {

// Attributes from a map, keeping what is reported about them.
struct MapAttributes : AttributeSource {
    std::map<std::string, std::string> values;
    mutable std::string reported;
    const char* find(const char* name) const override {
        const auto found = values.find(name);
        return found == values.end() ? nullptr : found->second.c_str();
    }
    void reportValue(const char*, const std::string& what) const override { reported = what; }
};

}  // namespace

// Every form a length takes, and the values that are none, with what is said about them.
TEST(Length, ParsesEveryFormAndRefusesTheRest) {
    const Length kept = Length::percentOf(7, 7);
    struct Case {
        const char* text;
        bool size;
        Length expected;    // kept: refused
        const char* error;  // a part of the problem reported, or empty
    } cases[] = {
        {"12", false, Length(), ""},
        {" -3.5 ", false, Length(), ""},
        {"50%", false, Length::percentOf(50, 0), ""},
        {"100% - 12", false, Length::percentOf(100, -12), ""},
        {"100%-12", true, Length::percentOf(100, -12), ""},
        {" 25.5 % + 3 ", true, Length::percentOf(25.5f, 3), ""},
        {"-10%+1e1", false, Length::percentOf(-10, 10), ""},
        {"auto", true, Length::automatic(), ""},
        {" fill ", true, Length::fill(), ""},
        {"auto", false, kept, "only a width or height can be \"auto\""},
        {"50%%", false, kept, "unexpected \"%\" after the percentage"},
        {"abc%", false, kept, "expected a finite decimal number"},
        {"%", true, kept, "expected a finite decimal number"},
        {"100% -", false, kept, "a number of units must follow \"-\""},
        {"100% + x", false, kept, "a number of units must follow \"+\""},
        {"100% 12", false, kept, "unexpected \"12\""},
        {"100% - 12px", false, kept, "unexpected \"px\""},
        {"nan", false, kept, "expected a finite decimal number"},
        {"nan%", false, kept, "expected a finite decimal number"},
        {"inf%", true, kept, "expected a finite decimal number"},
        {"1e40%", true, kept, "expected a finite decimal number"},
        {"0x10%", true, kept, "expected \"%\" or the end"},
        {"12abc", false, kept, "expected \"%\" or the end"},
        {"", true, kept, "expected a finite decimal number"},
        {"autofill", true, kept, "expected a finite decimal number"},
    };
    for (const Case& c : cases) {
        Length length = kept;
        const std::string problem = parseLength(c.text, c.size, length);
        EXPECT_EQ(length, c.expected) << c.text;
        EXPECT_NE(problem.find(c.error), std::string::npos) << c.text << ": " << problem;
        EXPECT_EQ(problem.empty(), !*c.error) << c.text << ": " << problem;
    }
}

// In a file, plain numbers read as they always have ("12abc" is 12, with a warning), while a
// value that is no length leaves both the field and the length as they were.
TEST(Length, AttributesKeepPlainNumbersAsTheyWere) {
    struct Case {
        const char* text;
        float field;
        Length length;
        bool reported;
    } cases[] = {
        {"12", 12, Length(), false},       {"12abc", 12, Length(), true},
        {"nan", 5, Length::fill(), true},  {"50%", 5, Length::percentOf(50, 0), false},
        {"50%%", 5, Length::fill(), true}, {"auto", 5, Length::automatic(), false},
    };
    const DiagnosticCollector listening;  // plain numbers are checked only for a listener
    for (const Case& c : cases) {
        MapAttributes attributes;
        attributes.values["width"] = c.text;
        float field = 5;
        Length length = Length::fill();
        readLengthAttribute(attributes, "width", true, field, length);
        EXPECT_EQ(field, c.field) << c.text;
        EXPECT_EQ(length, c.length) << c.text;
        EXPECT_EQ(!attributes.reported.empty(), c.reported) << c.text << attributes.reported;
    }
}

namespace {

// A heads-up display, a menu, a bar and an inventory written without a single computed rectangle.
const char* const kAdaptingDialogue = R"(
<window name='hud' x='0' y='0' width='100%' height='100%' border='0'>
  <button name='corner' text='C' x='100% - 12' y='100% - 5' width='10' height='3'/>
  <button name='half' x='25%' y='10' width='50%' height='4'/>
</window>
<column name='menu' x='50% - 10' y='20' width='20' padding='1' spacing='0.5' align='stretch'>
  <button name='m1' text='Play' height='3'/>
  <button name='m2' text='Options' height='3'/>
</column>
<row name='bar' x='0' y='100% - 6' width='100%' height='6' padding='1' spacing='1' align='center'>
  <button name='b1' text='ab' width='auto' height='auto'/>
  <button name='b2' width='fill' height='2'/>
  <button name='b3' width='10' height='fill'/>
</row>
<grid name='inventory' columns='3' x='2' y='2' spacing='1' padding='1' align='end'>
  <button name='g1' width='4' height='4'/><button name='g2' width='4' height='4'/>
  <button name='g3' width='4' height='4'/><button name='g4' width='2' height='2'/>
  <button name='g5' width='4' height='6'/>
</grid>
<panel name='list' scroll='1' x='60%' y='30' width='30' height='10'>
  <column name='items' width='fill' spacing='1'>
    <button name='i1' width='fill' height='3'/><button name='i2' width='fill' height='3'/>
    <button name='i3' width='fill' height='3'/><button name='i4' width='fill' height='3'/>
  </column>
</panel>)";

struct LayoutTest : ::testing::Test {
    void SetUp() override {
        const FontFileContents font = makeTestFont();
        glyphTable = font.glyphs;
        firstChar = font.header.firstChar;
        lastChar = font.header.lastChar;
        fontLoaded = true;
    }
    void TearDown() override {
        delete rootElement;
        fontLoaded = false;
    }
    TempFolder files;
};

}  // namespace

// The same file at 4:3 and 16:9: everything keeps its place relative to the screen's edges,
// centre and the containers that hold it, to the pixel grid's precision (each of a container's
// children snaps on its own, so their roundings add up along it).
TEST_F(LayoutTest, RectanglesFollowTheScreenAndTheirContainers) {
    const std::string path = files.write("adapting.xml", kAdaptingDialogue);
    for (const auto& [pixelsWide, pixelsHigh] : {std::pair{1024, 768}, std::pair{1280, 720}}) {
        useScreenUnits(pixelsWide, pixelsHigh);
        rootElement = new GuiRoot();
        const DiagnosticCollector diagnostics;
        ASSERT_TRUE(loadDialogue(path.c_str()));
        for (const Diagnostic& said : diagnostics.diagnostics())
            ADD_FAILURE() << said.message;
        const float w = layoutAreaWidth(), fs = snapToPixel(2.0f);
        struct Expected {
            const char* name;
            float x, y, width, height;
        } expected[] = {
            {"hud", 0, 0, w, 100},
            {"corner", w - 12, 95, 10, 3},
            {"half", w / 4, 10, w / 2, 4},
            {"menu", w / 2 - 10, 20, 20, 8.5f},
            {"m1", 1, 1, 18, 3},
            {"m2", 1, 4.5f, 18, 3},
            {"bar", 0, 94, w, 6},
            // 'ab' at the default size, with a quarter of it around: 1.5 times the size.
            {"b1", 1, 1 + (4 - 1.5f * fs) / 2, 1.5f * fs, 1.5f * fs},
            {"b2", 2 + 1.5f * fs, 2, w - 14 - 1.5f * fs, 2},
            {"b3", w - 11, 1, 10, 4},
            {"inventory", 2, 2, 16, 13},
            {"g1", 1, 1, 4, 4},
            {"g4", 3, 10, 2, 2},
            {"g5", 6, 6, 4, 6},
            {"list", 0.6f * w, 30, 30, 10},
            {"items", 0, 0, 30, 15},
            {"i4", 0, 12, 30, 3},
        };
        for (const Expected& e : expected) {
            const GuiElement* element = elementRegistry.at(e.name);
            const float at[] = {element->x, element->y, element->width, element->height};
            const float want[] = {e.x, e.y, e.width, e.height};
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(at[i], want[i], 2.5f * pixelSize)
                    << e.name << " [" << i << "] at " << pixelsWide << "x" << pixelsHigh;
        }
        const GuiElement* corner = elementRegistry.at("corner");
        EXPECT_NEAR(w - (corner->x + corner->width), 2, pixelSize) << pixelsWide;
        // The column is taller than its scrolling panel, which scrolls through the rest.
        EXPECT_NEAR(dynamic_cast<Panel*>(elementRegistry.at("list"))->maxScroll(), 5,
                    2.5f * pixelSize);
        delete rootElement;
    }
}

// The author's screens in data/ at 4:3 and 16:9: the HUD's pieces keep their corners and the
// inventory and quick slots their centre; the options window stays in the middle of a backdrop
// that covers the whole screen (no strip left bare at the side).
TEST_F(LayoutTest, TheShippedScreensKeepTheirPlacesAtAnyShape) {
    constexpr float kFree = -1, kCentred = -2;  // a gap not checked, one equal to its opposite
    const struct {
        const char* name;
        float left, top, right, bottom;  // the gaps to the screen's edges
    } places[] = {
        {"vitals", 2, 2, kFree, kFree},
        {"objective", kCentred, 2, kCentred, kFree},
        {"minimap", kFree, 2, 2, kFree},
        {"inventory", kCentred, kCentred, kCentred, kCentred},
        {"quickSlots", kCentred, kFree, kCentred, 2},
        {"ammoCounter", kFree, kFree, 2, 2},
        {"backdrop", 0, 0, 0, 0},
        {"optionsWindow", kCentred, kCentred, kCentred, kCentred},
    };
    for (const auto& [pixelsWide, pixelsHigh] : {std::pair{1024, 768}, std::pair{1280, 720}}) {
        useScreenUnits(pixelsWide, pixelsHigh);
        rootElement = new GuiRoot();
        for (const char* file : {"/data/hud.xml", "/data/optionsScreen.xml"})
            ASSERT_TRUE(loadDialogue((TRELLIS_SOURCE_DIR + std::string(file)).c_str())) << file;
        for (const auto& place : places) {
            const GuiElement* element = elementRegistry.at(place.name);
            const float gaps[] = {element->x, element->y,
                                  layoutAreaWidth() - element->x - element->width,
                                  100 - element->y - element->height};
            const float wanted[] = {place.left, place.top, place.right, place.bottom};
            for (int i = 0; i < 4; ++i) {
                if (wanted[i] != kFree) {
                    EXPECT_NEAR(gaps[i], wanted[i] == kCentred ? gaps[(i + 2) % 4] : wanted[i],
                                1.5f * pixelSize)
                        << place.name << " gap " << i << " at " << pixelsWide << "x" << pixelsHigh;
                }
            }
        }
        delete rootElement;
    }
}

// Containers sized to their content, nested as deep as a file may nest them, each beside a
// button: the file loads at once (measuring does not redo the levels below for each level
// above) and every container gets a finite size.
TEST_F(LayoutTest, DeeplyNestedContainersLoadInLinearTime) {
    useScreenUnits();
    rootElement = new GuiRoot();
    std::string text;
    const int depth = 250;  // nearly the deepest nesting a dialogue file may have
    for (int level = 0; level < depth; ++level)
        text +=
            level % 2 ? "<grid columns='2' spacing='1'><button/>" : "<row padding='1'><button/>";
    for (int level = depth - 1; level >= 0; --level)
        text += level % 2 ? "</grid>" : "</row>";
    ASSERT_TRUE(loadDialogue(files.write("deep.xml", text).c_str()));
    int levels = 0;
    for (GuiElement* at = rootElement->children.front(); at; ++levels) {
        ASSERT_TRUE(std::isfinite(at->width) && std::isfinite(at->height) && at->width >= 0);
        at = at->children.size() == 2 ? at->children.front() : nullptr;
    }
    EXPECT_EQ(levels, depth);
}

// Built in code: a window 32 units wide with a row of three buttons that share its width.
TEST_F(LayoutTest, ContainersBuiltInCodeLayOutTheSame) {
    useScreenUnits();
    rootElement = new GuiRoot();
    auto* window = new Window("w", rootElement, nullptr);
    window->setRect(5, 5, 32, 10);
    auto* row = new Row("row", window);
    row->widthLength = Length::percentOf(100, 0);
    row->spacing = 1;
    std::vector<Button*> buttons;
    for (const char* name : {"one", "two", "three"}) {
        buttons.push_back(new Button(name, row, name, 0, 0, 3, 2));
        buttons.back()->widthLength = Length::fill();
    }
    layOut(window);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(buttons[i]->x, 11.0f * i, 2 * pixelSize) << i;
        EXPECT_NEAR(buttons[i]->width, 10, pixelSize) << i;
    }
    EXPECT_NEAR(row->height, 2, pixelSize);
}
