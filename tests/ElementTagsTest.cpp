// Tests for the program's own element tags: a gauge class registered as <gauge>, built
// from a dialogue file with its attributes, skin class and own styles, and drawn in a real GL
// context by the batched and the immediate renderer.
#include "trellis/dialogue/ElementTags.h"
#include "support/DescribedElement.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/Host.h"
#include "trellis/style/SkinValues.h"

#include <GL/gl.h>
#include <algorithm>

using namespace trellis;

namespace {

// The worked example of docs/EMBEDDING.md: a track with a fill as wide as the value.
class Gauge : public DescribedElement {
public:
    Gauge(const char* name, GuiElement* parent)
        : DescribedElement(name, parent, 0, 0, 20, 2) {
        skinClass = "gauge";
    }
    void applySkin(SkinStore& store) override {
        GuiElement::applySkin(store);
        applySkinColor(skinSectionsOf(store, *this), "fillColor", fillColor);
    }
    void loadAttributes(const AttributeSource& attributes) override {
        GuiElement::loadAttributes(attributes);
        if (readNumberAttribute(attributes, "value", value))
            value = std::clamp(value, 0.0f, 1.0f);
    }
    float value = 0;
    Color fillColor{{255, 255, 255, 255}};

    void describe(DrawRecorder& out) override {
        recordQuad(out);
        RecordedVertex fill[4];
        rectVertices(0, 0, width * value, height, fillColor, fill);
        out.quads(fill, 4, false);
    }
};

const Color kTrack{{0x10, 0x20, 0x30, 0xff}}, kSkinFill{{0xc0, 0x40, 0x20, 0xff}},
    kOwnFill{{0x20, 0xc0, 0x40, 0xff}};

class ElementTags : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
        setSkinAttribute("gauge", "bgColor", "102030ff");
        setSkinAttribute("gauge", "fillColor", "c04020ff");
        registerElementTag(
            "gauge",
            [](const char* name, GuiElement* parent, const AttributeSource&) -> GuiElement* {
                return new Gauge(name, parent);
            });
    }
    void TearDown() override {
        unregisterElementTag("gauge");
        destroyElement(rootElement);
        skinStore.clear();
        GlTest::TearDown();
    }
    TempFolder files;
};

// Bars of 40 units at (10, 10), drawn by both renderers: the fill ends where the value says, in
// the colour of the element's own style, else of the skin's class section.
TEST_F(ElementTags, ProgressBarsFromAFileDrawTheirValue) {
    const struct {
        const char* attributes;
        float value;
        Color fill;
    } bars[] = {
        {"value='0.25'", 0.25f, kSkinFill},
        {"name='own' value='0.5' fillColor='20c040ff'", 0.5f, kOwnFill},
        {"value='7'", 1.0f, kSkinFill},     // clamped
        {"value='none'", 0.0f, kSkinFill},  // refused: stays empty
    };
    for (const auto& bar : bars)
        for (Renderer renderer : {Renderer::Batched, Renderer::Immediate}) {
            setRenderer(renderer);
            const std::string xml = std::string("<window x='5' y='5' width='60' height='20'>"
                                                "<gauge x='5' y='5' width='40' height='4' ") +
                                    bar.attributes + "/></window>";
            LoadedDialogue loaded = loadDialogueFile(files.write("bar.xml", xml).c_str());
            ASSERT_EQ(loaded.elements.size(), 1u);
            auto* progress = dynamic_cast<Gauge*>(loaded.elements[0]->children.front());
            ASSERT_NE(progress, nullptr) << bar.attributes;
            EXPECT_EQ(progress->value, bar.value) << bar.attributes;
            glClear(GL_COLOR_BUFFER_BIT);
            drawInterface();
            // Pixels 1 unit in from each end, halfway down.
            float x = 0, y = progress->height / 2;
            for (const GuiElement* e = progress; e; e = e->parent)
                x += e->x, y += e->y;
            const int left = int((x + 1) / pixelSize), right = int((x + 39) / pixelSize);
            const int row = int(y / pixelSize);
            EXPECT_EQ(pixel(left, row), bar.value > 0.05f ? bar.fill : kTrack) << bar.attributes;
            EXPECT_EQ(pixel(right, row), bar.value > 0.95f ? bar.fill : kTrack) << bar.attributes;
            destroyDialogue(loaded);
        }
}

// Tags that cannot be registered, and a forgotten tag, leave the loader as it was.
TEST_F(ElementTags, RefusedAndForgottenTagsBuildNothing) {
    const ElementFactory plain = [](const char* name, GuiElement* parent,
                                    const AttributeSource&) -> GuiElement* {
        return new GuiElement(name, parent, 0, 0, 1, 1);
    };
    EXPECT_FALSE(registerElementTag("button", plain));
    EXPECT_FALSE(registerElementTag("", plain));
    EXPECT_FALSE(registerElementTag(nullptr, plain));
    EXPECT_FALSE(registerElementTag("meter", ElementFactory()));
    EXPECT_TRUE(registerElementTag(
        "nothing",
        [](const char*, GuiElement*, const AttributeSource&) -> GuiElement* { return nullptr; }));
    unregisterElementTag("gauge");
    const LoadedDialogue loaded =
        loadDialogueFile(files.write("d.xml", "<gauge/><meter/><nothing/><button/>").c_str());
    ASSERT_EQ(loaded.elements.size(), 1u);
    EXPECT_NE(dynamic_cast<Button*>(loaded.elements[0]), nullptr) << "still the loader's button";
    unregisterElementTag("nothing");
}

}  // namespace
