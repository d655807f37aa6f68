// Text wider than its element, read from dialogue files and drawn with real GL: drawn whole by
// default, clipped to the element, cut with an ellipsis, or wrapped at words (labels), and odd
// values reported.
#include "support/RoutedScene.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/TextElement.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"

using namespace trellis;

namespace {

const Color kInk{{255, 255, 255, 255}};

std::string units(int pixels) {
    return std::to_string(px(float(pixels)));
}

// The attributes that place an element at (100, 100) px, 60 x 40 px, with 20 px white text:
// each test-font glyph is then 10 px wide, a space a 10 px gap.
std::string placed() {
    return " x='" + units(100) + "' y='" + units(100) + "' width='" + units(60) + "' height='" +
           units(40) + "' fontSize='" + units(20) + "' fontColor='ffffffff' bgColor='303030ff'";
}

}  // namespace

TEST_F(RoutedScene, TextOverflowsAsItsElementSays) {
    const struct {
        const char* element;  // the tag and its own attributes
        std::string shown;    // the text as drawn
        MatchedBox ink;         // where the text's pixels are
    } cases[] = {
        // Drawn whole past the right edge, as without the attributes.
        {"label text='ABCDEFGH'", "ABCDEFGH", {100, 110, 180, 130, 80 * 20}},
        {"label text='ABCDEFGH' overflow='visible'", "ABCDEFGH", {100, 110, 180, 130, 80 * 20}},
        {"label text='AB CD EF GH' overflow='clip'", "AB CD EF GH", {100, 110, 150, 130, 40 * 20}},
        // "AB CD..." would be 80 px: the cut comes after "AB", its space dropped.
        {"label text='AB CD EF GH' overflow='ellipsis'", "AB...", {100, 110, 150, 130, 50 * 20}},
        {"label text='AB&#10;ABCDEFGH' overflow='ellipsis'",
         "AB\nABC...",
         {100, 100, 160, 140, 80 * 20}},
        {"label text='AB CD EF GH' wrap='1'", "AB CD\nEF GH", {100, 100, 150, 140, 80 * 20}},
        // A word wider than the label alone is broken where it reaches the edge.
        {"label text='ABCDEFGHIJ' wrap='1'", "ABCDEF\nGHIJ", {100, 100, 160, 140, 100 * 20}},
        {"label text='A ABCDEFGHIJ' wrap='1' overflow='clip'",
         "A\nABCDEF\nGHIJ",
         {100, 100, 160, 140, 1670}},  // three lines, the outer two half cut off
        // A centred caption 80 px wide in a 60 px button starts 9 px before its left edge; the
        // bevel's one-pixel lines cross it on the button's edges.
        {"button text='ABCDEFGH'", "ABCDEFGH", {91, 110, 171, 130, 78 * 20}},
        {"button text='ABCDEFGH' overflow='clip'", "ABCDEFGH", {100, 110, 159, 130, 59 * 20}},
        // Inset a quarter of the size on each side: 50 px of room.
        {"button text='ABCDEFGH' overflow='ellipsis'", "AB...", {105, 110, 155, 130, 50 * 20}},
    };
    for (const auto& c : cases) {
        const auto built = loadText("<" + std::string(c.element) + placed() + "/>");
        ASSERT_EQ(built.size(), 1u);
        auto* element = static_cast<TextElement*>(built[0]);
        EXPECT_EQ(element->shownText(), c.shown) << c.element;
        EXPECT_EQ(boxOf(drawn(), kInk), c.ink) << c.element;
        delete element;
    }
}

// A window's title is fitted before its close button; odd values are reported where they stand
// and leave the text drawn whole.
TEST_F(RoutedScene, TitlesTakeOverflowAndOddValuesAreReported) {
    DiagnosticCollector collector;
    const auto built = loadText(
        "<window name='w' title='A long window title' overflow='ellipsis' width='" + units(120) +
        "'/>\n<label name='l' text='ABCDEFGH' overflow='scroll' wrap='yes'" + placed() +
        "/>\n<window name='v' overflow='clip'/>\n<textfield name='f' "
        "overflow='ellipsis'/>\n");
    const std::string path = scratch.path("dialogue.xml");
    const TitleBar* title = static_cast<Window*>(built[0])->titleBar;
    ASSERT_TRUE(title && title->closeButton);
    EXPECT_EQ(title->overflow, TextOverflow::Ellipsis);
    const std::string shown = const_cast<TitleBar*>(title)->shownText();
    EXPECT_TRUE(shown.size() > 3 && shown.substr(shown.size() - 3) == "...") << shown;
    float width = 0, height = 0;
    measureText(shown.c_str(), title->fontSize, width, height);
    EXPECT_LE(width, title->closeButton->x);
    std::vector<std::string> reports;
    for (const Diagnostic& d : collector.diagnostics())
        reports.push_back(formatDiagnostic(d).substr(path.size()));
    EXPECT_EQ(reports,
              (std::vector<std::string>{
                  ":2:1: warning: attribute \"overflow\" on <label name=\"l\">: \"scroll\" is not "
                  "visible, clip or ellipsis; ignored",
                  ":2:1: warning: attribute \"wrap\" on <label name=\"l\">: \"yes\" counts as "
                  "off: only \"1\" turns it on",
                  ":3:1: warning: attribute \"overflow\" on <window name=\"v\">: has no effect on "
                  "a window without a title bar",
                  ":4:1: warning: attribute \"overflow\" on <textfield name=\"f\">: "
                  "\"ellipsis\" has no effect on a text field, which clips its text and scrolls "
                  "it to the caret"}));
    EXPECT_EQ(static_cast<TextElement*>(built[1])->shownText(), "ABCDEFGH");
}
