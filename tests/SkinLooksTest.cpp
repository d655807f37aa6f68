// Tests for state looks, style classes, skin bases, window frames from skins and blending.
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/Window.h"
#include "trellis/render/Renderer.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinValues.h"

#include "support/GlTest.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace trellis;

namespace {

// Which section a button "ok" of style classes "heading primary" takes bgColor from, resting
// and hovered, for the sections that hold one.
TEST(SkinLooks, SectionPrecedenceWithStatesAndStyleClasses) {
    useScreenUnits();
    struct Case {
        std::vector<const char*> sections;
        const char* resting;  // section found, or null
        const char* hovered;  // state section that changes the look, or null
    };
    const Case cases[] = {
        {{"global"}, "global", nullptr},
        {{"global", "button"}, "button", nullptr},
        {{"button", "button:hover"}, "button", "button:hover"},
        {{"button:pressed", "global"}, "global", nullptr},
        {{".heading", "button:hover"}, ".heading", nullptr},
        {{".heading", ".primary"}, ".primary", nullptr},
        {{".heading", ".primary:hover"}, ".heading", ".primary:hover"},
        {{"ok", ".primary:hover", "button:hover"}, "ok", nullptr},
        {{"ok", "ok:hover"}, "ok", "ok:hover"},
        {{".heading:hover", "button"}, "button", ".heading:hover"},
    };
    for (const Case& c : cases) {
        skinStore.clear();
        for (const char* section : c.sections)
            setSkinAttribute(section, "bgColor", section);
        Button ok("ok", nullptr, "", 0, 0, 3, 1);
        ok.styleClasses = "heading  primary";
        const char* resting = findSkinAttribute(skinStore, ok, "bgColor");
        EXPECT_STREQ(resting ? resting : "", c.resting ? c.resting : "") << c.sections[0];
        EXPECT_STREQ(findStateSkinAttribute(ok, "hover", "bgColor"), c.hovered) << c.sections[0];
        EXPECT_EQ(findStateSkinAttribute(ok, nullptr, "bgColor"), nullptr);
    }
    skinStore.clear();
}

// Skin files: style class sections, a window's frame colour, a base that starts afresh (a
// named section of the skin before does not leak), and bases that cannot be followed.
TEST(SkinLooks, StyleSectionsBasesAndWindowFrames) {
    useScreenUnits();
    TempFolder folder;
    const std::string path = folder.write(
        "skins.xml",
        "<skin name='default'><button bgColor='10'/><window borderColor='ff0000ff'/></skin>\n"
        "<skin name='blue'><heading bgColor='20'/><style class='title:hover' fontColor='30'/>"
        "</skin>\n"
        "<skin name='dark' base='default'><button fontColor='40'/></skin>\n"
        "<skin name='lost' base='nowhere'><button fontColor='000050ff'/></skin>\n"
        "<skin name='a' base='b'><g bgColor='000000aa'/></skin>\n<skin name='b' base='a'><g "
        "bgColor='000000bb'/></skin>\n");
    skinStore.clear();
    ASSERT_TRUE(loadSkin("default", path.c_str()));
    Window window("w", nullptr, nullptr);
    EXPECT_EQ(window.borderColor, (Color{{255, 0, 0, 255}}));
    ASSERT_TRUE(loadSkin("blue", path.c_str()));
    EXPECT_EQ(skinStore.at(".title:hover"), (SkinSection{{"fontColor", "30"}}));
    setSkinAttribute("ok", "bgColor", "dialogue");
    setSkinAttribute("heading", "fontSize", "3");
    ASSERT_TRUE(loadSkin("dark", path.c_str()));
    const SkinStore afresh = {{"button", {{"bgColor", "10"}, {"fontColor", "40"}}},
                              {"window", {{"borderColor", "ff0000ff"}}},
                              {"ok", {{"bgColor", "dialogue"}}},
                              {"heading", {{"fontSize", "3"}}}};
    EXPECT_EQ(skinStore, afresh);
    const std::pair<const char*, const char*> broken[] = {
        {"lost", ":4:1: error: base \"nowhere\" names no skin in the file; loaded without it"},
        {"a", ":6:1: error: base \"a\" leads back to a skin of its own chain; loaded without it"},
    };
    for (const auto& [skin, expected] : broken) {
        DiagnosticCollector collector;
        EXPECT_TRUE(loadSkin(skin, path.c_str()));
        ASSERT_EQ(collector.diagnostics().size(), 1u) << skin;
        EXPECT_EQ(formatDiagnostic(collector.diagnostics()[0]), path + expected);
    }
    EXPECT_EQ(skinStore.at("g"), (SkinSection{{"bgColor", "000000aa"}}));
    skinStore.clear();
}

class SkinLookPixels : public GlTest {
protected:
    // The colour at the centre of element, drawn in each renderer (all must agree).
    Color centre(const GuiElement& element) {
        const int x = int((element.x + element.width / 2) / pixelSize);
        const int y = int((element.y + element.height / 2) / pixelSize);
        renderedBy(&root, Renderer::Immediate);
        const Color seen = pixel(x, y);
        renderedBy(&root, Renderer::Batched);
        EXPECT_EQ(pixel(x, y), seen) << "the renderers differ";
        setRenderer(Renderer::Automatic);
        return seen;
    }
    const bool unitsFixed = (useScreenUnits(), true);
    GuiRoot root;
};

// A button hovered and pressed, a focused field and a blended background, with and without
// state sections in the skin: without them each draws as it rests.
TEST_F(SkinLookPixels, StatesChangeTheLookOnlyWhereTheSkinSaysSo) {
    skinStore.clear();
    Button& button = *new Button("", &root, "", 10, 10, 10, 5);
    TextField& field = *new TextField("", &root, 30, 10, 10, 5);
    GuiElement& glass = *new GuiElement("", &root, 50, 10, 10, 5);
    button.bgColor = field.bgColor = Color{{0, 0, 100, 255}};
    glass.bgColor = Color{{0, 0, 200, 128}};
    const Color rest{{0, 0, 100, 255}}, hover{{0, 200, 0, 255}}, press{{200, 200, 0, 255}},
        focus{{0, 200, 200, 255}};
    for (bool withStates : {false, true}) {
        if (withStates) {
            setSkinAttribute("button:hover", "bgColor", "00c800ff");
            setSkinAttribute("button:pressed", "bgColor", "c8c800ff");
            setSkinAttribute("textfield:focus", "bgColor", "00c8c8ff");
        }
        hoveredElement = nullptr;
        focusElement = nullptr;
        EXPECT_EQ(centre(button), rest);
        EXPECT_EQ(centre(glass).blue(), 200) << "opaque without blend";
        hoveredElement = &button;
        EXPECT_EQ(centre(button), withStates ? hover : rest);
        button.setPressed(true);
        EXPECT_EQ(centre(button), withStates ? press : rest);
        button.setPressed(false);
        focusElement = &field;
        EXPECT_EQ(centre(field), withStates ? focus : rest);
    }
    EXPECT_EQ(button.bgColor, rest) << "the resting look is put back after drawing";
    glass.blend = true;
    const Color mixed = centre(glass);
    EXPECT_EQ(mixed.red(), 0);
    EXPECT_NEAR(mixed.blue(), 100, 2) << "half of the blue over the black behind";
    hoveredElement = focusElement = nullptr;
    skinStore.clear();
}

// The batched renderer reusing its frames still shows a state look as the state changes, and
// a state section set between two frames: drawing reads them as it draws.
TEST_F(SkinLookPixels, ReusedFramesFollowStateLooks) {
    skinStore.clear();
    setSkinAttribute("button", "bgColor", "000064ff");
    Button& button = *new Button("", &root, "", 10, 10, 10, 5);
    Window& window = *new Window("", &root, nullptr);
    TextField& field = *new TextField("", &window, 0, 0, 10, 5);
    window.setRect(30, 10, 10, 5);
    const auto seen = [&](const GuiElement& element) {
        renderedBy(&root, Renderer::Batched);
        float x = 0, y = 0;
        elementScreenPosition(&element, x, y);
        return pixel(int((x + element.width / 2) / pixelSize),
                     int((y + element.height / 2) / pixelSize));
    };
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(seen(button), (Color{{0, 0, 100, 255}}));
    setSkinAttribute("button:hover", "bgColor", "00c800ff");
    setSkinAttribute("window:focus", "bgColor", "c8c800ff");
    EXPECT_EQ(seen(button), (Color{{0, 0, 100, 255}}));
    hoveredElement = &button;
    EXPECT_EQ(seen(button), (Color{{0, 200, 0, 255}})) << "hovered";
    focusElement = &field;
    field.visible = false;
    EXPECT_EQ(seen(window), (Color{{200, 200, 0, 255}})) << "the focus inside the window";
    setSkinAttribute("button:hover", "bgColor", "c80000ff");
    EXPECT_EQ(seen(button), (Color{{200, 0, 0, 255}})) << "the state section changed";
    hoveredElement = focusElement = nullptr;
    setRenderer(Renderer::Automatic);
    skinStore.clear();
}

}  // namespace
