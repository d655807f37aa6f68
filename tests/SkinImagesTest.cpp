// Pictures in skins: nine slices drawn alike by every renderer, pictures of states (a disabled
// button's among them), a window's picture frame, bad files and slices reported at their line
// and drawn plain, and every picture drawn from one texture, in a few calls however many there
// are.
#include "files/PngFile.h"
#include "support/MatchedBox.h"
#include "support/TempFolder.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/ProgressBar.h"
#include "trellis/gui/Window.h"
#include "trellis/render/Renderer.h"
#include "trellis/skin/SkinFile.h"

#include <functional>

using namespace trellis;

namespace {

constexpr Color kRed{{200, 0, 0, 255}}, kGreen{{0, 200, 0, 255}}, kBlue{{0, 0, 200, 255}},
    kYellow{{200, 200, 0, 255}}, kMiddle{{240, 240, 240, 255}}, kTeal{{0, 150, 150, 255}},
    kGrey{{90, 90, 90, 255}}, kPlain{{0, 255, 0, 255}};

// A side x side picture of one colour, or, with corners, a 9 x 9 one whose 3 x 3 corners are
// red, green, blue and yellow around a light middle.
PngImage picture(int side, Color fill, bool corners = false) {
    PngImage png{side, side, {}};
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            Color c = fill;
            if (corners && (x < 3 || x >= 6) && (y < 3 || y >= 6))
                c = y < 3 ? (x < 3 ? kRed : kGreen) : (x < 3 ? kBlue : kYellow);
            png.rgba.insert(png.rgba.end(), c.rgba, c.rgba + 4);
        }
    return png;
}

const char* const kSkin = "<skin name='pics'>\n"                                           // 1
                          "<button image='nine.png' slice='3 3 3 3'/>\n"                   // 2
                          "<button:hover image='hover.png'/>\n"                            // 3
                          "<button:disabled image='grey.png'/>\n"                          // 4
                          "<window image='nine.png' slice='3 3 3 3'/>\n"                   // 5
                          "<panel bgColor='00ff00ff' image='missing.png'/>\n"              // 6
                          "<separator image='text.png'/>\n"                                // 7
                          "<progress image='nine.png' slice='3 3 9 3'/>\n"                 // 8
                          "<tabs image='nine.png' slice='1 2 x 3'/>\n"                     // 9
                          "<tooltip image=''/>\n"                                          // 10
                          "<style class='glass' image='glass.png' bgColor='00ff00ff'/>\n"  // 11
                          "</skin>\n";

class SkinImages : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        const std::pair<const char*, PngImage> pictures[] = {
            {"nine.png", picture(9, kMiddle, true)},
            {"hover.png", picture(9, kTeal)},
            {"grey.png", picture(9, kGrey)},
            {"glass.png", picture(4, Color{{0, 0, 255, 128}})}};
        for (const auto& [name, png] : pictures)
            ASSERT_TRUE(writePngFile(folder.path(name).c_str(), png));
        folder.write("text.png", "no picture here");
        skinFile = folder.write("pics.xml", kSkin);
        skinStore.clear();
        rootElement = &root;
    }
    void TearDown() override {
        hoveredElement = nullptr;
        rootElement = nullptr;
        skinStore.clear();
        setRenderer(Renderer::Automatic);
        GlTest::TearDown();
    }
    static Color at(const std::vector<unsigned char>& frame, int x, int y) {
        const unsigned char* p = &frame[(size_t(y) * kTestWindowWidth + x) * 4];
        return Color{{p[0], p[1], p[2], p[3]}};
    }

    TempFolder folder;
    std::string skinFile;
    GuiRoot root;
};

// The skin's mistakes each reported at their line, the rest drawn: each row is an element in a
// state, a pixel of it (from its top-left corner, in pixels) and
// the colour the immediate renderer gives there, the batched and shader renderers giving the
// same whole frame.
TEST_F(SkinImages, NineSlicesStatesAndFallbacksInEveryRenderer) {
    DiagnosticCollector collected;
    ASSERT_TRUE(loadSkin("pics", skinFile.c_str()));
    std::string messages;
    for (const Diagnostic& d : collected.diagnostics())
        messages += std::to_string(d.line) + ": " + d.message + "\n";
    for (const char* expected :
         {"6: attribute \"image\" on <panel>", "missing.png\" cannot be shown",
          "7: attribute \"image\" on <separator>", "not a PNG file",
          "8: attribute \"slice\" on <progress>", "left and right take 12 of its 9 pixels",
          "9: attribute \"slice\" on <tabs>", "is not four numbers",
          "10: attribute \"image\" on <tooltip>", "is empty"})
        EXPECT_NE(messages.find(expected), std::string::npos) << expected << "\n" << messages;
    EXPECT_EQ(collected.diagnostics().size(), 5u) << messages;

    auto* button = new Button("", &root, "", px(40), px(40), px(60), px(30));
    auto* window = new Window("", &root, nullptr);
    window->setRect(px(140), px(40), px(60), px(40));
    auto* panel = new Panel("", &root);
    panel->setRect(px(240), px(40), px(40), px(40));
    auto* bar = new ProgressBar("", &root, px(40), px(120), px(90), px(30));
    auto* glass = new GuiElement("", &root, px(160), px(120), px(40), px(40));
    glass->styleClasses = "glass";
    glass->applySkin(skinStore);
    const int frame = int(borderWidth / pixelSize);
    const struct Row {
        const char* what;
        GuiElement* element;
        std::function<void()> state;
        int x, y;
        Color expected;
    } rows[] = {
        {"top-left corner, unscaled", button, [] {}, 2, 2, kRed},
        {"top-right corner", button, [] {}, 57, 2, kGreen},
        {"bottom-left corner", button, [] {}, 2, 27, kBlue},
        {"bottom-right corner", button, [] {}, 57, 27, kYellow},
        {"the middle, stretched", button, [] {}, 30, 15, kMiddle},
        {"hovered: its state's picture", button, [&] { hoveredElement = button; }, 30, 15, kTeal},
        {"disabled: its state's picture, unfaded", button,
         [&] { hoveredElement = nullptr, button->enabled = false; }, 30, 15, kGrey},
        {"a window's picture covers its frame", window, [] {}, 1 - frame, 1 - frame, kRed},
        {"a missing picture leaves the plain look", panel, [] {}, 20, 20, kPlain},
        {"slices that do not fit: stretched whole", bar, [] {}, 20, 5, kRed},
        {"a translucent picture blends", glass, [] {}, 20, 20, Color{{0, 0, 128, 255}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.state();
        const std::vector<unsigned char> immediate = renderedBy(&root, Renderer::Immediate);
        for (Renderer renderer : {Renderer::Batched, Renderer::Shader})
            EXPECT_TRUE(renderedBy(&root, renderer) == immediate) << "renderer " << int(renderer);
        const int x = int(row.element->x / pixelSize) + row.x;
        const int y = int(row.element->y / pixelSize) + row.y;
        const Color seen = at(immediate, x, y);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(seen.rgba[i], row.expected.rgba[i], 1) << "at " << x << ", " << y;
    }
}

// However many elements show pictures, and of how many pictures, the batched and shader
// renderers draw them from one texture: the calls do not grow with them.
TEST_F(SkinImages, PicturesShareDrawCalls) {
    ASSERT_TRUE(loadSkin("pics", skinFile.c_str()));
    setFrameReuse(false);
    for (Renderer renderer : {Renderer::Batched, Renderer::Shader}) {
        size_t calls[2] = {};
        for (int count : {6, 60}) {
            for (int i = 0; i < count; ++i) {
                auto* b = new Button("", &root, "Go", px(10 + 70 * float(i % 12)),
                                     px(10 + 40 * float(i / 12)), px(60), px(30));
                b->enabled = i % 3 != 1;  // every third one shows the disabled picture
                if (i % 6 == 2) {
                    b->styleClasses = "glass";
                    b->applySkin(skinStore);
                }
            }
            hoveredElement = root.children.front();
            renderedBy(&root, renderer);
            calls[count == 60] = lastRenderStats().drawCalls;
            hoveredElement = nullptr;
            while (!root.children.empty())
                delete root.children.front();
        }
        EXPECT_LE(calls[1], 6u) << "renderer " << int(renderer);
        EXPECT_EQ(calls[0], calls[1]) << "renderer " << int(renderer);
    }
    setFrameReuse(true);
}

}  // namespace
