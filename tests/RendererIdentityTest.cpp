// The batched renderer against the immediate path, byte for byte over the whole window: a
// corpus of scenes (the demo before and after its skin change, every element class in both
// skins, translucent and textured looks, text, depth, size, off-screen places, text fields,
// pictures and scrolling panels, elements that draw with raw GL or record by themselves), and
// reuse: changes made through the public fields show in the very next frame.
#include "files/PngFile.h"
#include "font/FontTexture.h"
#include "support/DescribedElement.h"
#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/NamedFonts.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/CheckBox.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Image.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/Label.h"
#include "trellis/gui/ListBox.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Slider.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Tooltip.h"
#include "trellis/gui/Window.h"
#include "trellis/render/DebugLines.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/WindowShell.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GLFW/glfw3.h>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

using namespace trellis;

namespace {

const std::string kData = std::string(TRELLIS_SOURCE_DIR) + "/data";
const std::string kSkin = kData + "/defaultSkin.xml";
const std::string kFont = std::string(TRELLIS_RUN_DIR) + "/verdana.glf";
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

using Path = RenderStats::Path;

// An element that draws a blended raw-GL triangle by itself, leaving the state as it found it.
struct RawTriangle : GuiElement {
    RawTriangle(GuiElement* parent, float x, float y) : GuiElement("", parent, x, y, 12, 9) {}
    void draw() override {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_TEXTURE_2D);
        glBegin(GL_TRIANGLES);
        glColor4ub(255, 40, 40, 150);
        glVertex2f(0, 0);
        glColor4ub(40, 255, 40, 150);
        glVertex2f(width, height / 2);
        glColor4ub(40, 40, 255, 150);
        glVertex2f(0, height);
        glEnd();
        glDisable(GL_BLEND);
    }
};

// A subclass that draws as its base but leaves blending on and another texture bound: what
// follows it in the frame sees both.
struct LeakyButton : Button {
    LeakyButton(GuiElement* parent, float x, float y) : Button("", parent, "Leaky", x, y, 8, 3) {}
    void draw() override {
        Button::draw();
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
    }
};

// An element of the application's own that records its look (a clipped swatch with a frame, a
// diagonal and a caption), so that every renderer draws it, a core context's too.
struct Swatch : DescribedElement {
    Swatch(GuiElement* parent, float x, float y) : DescribedElement("", parent, x, y, 14, 6) {}
    void describe(DrawRecorder& out) override {
        RecordedVertex v[8];
        rectVertices(0, 0, width, height, Color{{40, 120, 200, 255}}, v);
        out.quads(v, 4, false);
        out.pushClip(pixelSize, pixelSize, width / 2, height - 2 * pixelSize);
        rectVertices(-5, -5, width, height, Color{{250, 200, 40, 255}}, v);
        lineVertices(0, 0, width, height, Color{{10, 10, 10, 255}}, v + 4);
        out.quads(v, 4, false);
        out.lines(v + 4, 2);
        out.text("Swatch clipped", pixelSize * 2, 1, 2, Color{{200, 20, 20, 255}});
        out.popClip();
    }
};

// A picture of 4 x 4 pixels whose alpha runs from 0 to 255, written once into the test's
// temporary folder.
const std::string& translucentPicture() {
    static const std::string path = [] {
        PngImage png{4, 4, {}};
        for (int i = 0; i < 16; ++i) {
            const unsigned char c = static_cast<unsigned char>(i * 16);
            png.rgba.insert(png.rgba.end(), {c, static_cast<unsigned char>(255 - c), 90,
                                             static_cast<unsigned char>(i * 17)});
        }
        const std::string file = ::testing::TempDir() + "/trellis-identity-translucent.png";
        writePngFile(file.c_str(), png);
        return file;
    }();
    return path;
}

// An image of the picture at path.
Image* picture(GuiElement* parent, const std::string& path, float x, float y, float w, float h) {
    auto* image = new Image("", parent, x, y, w, h);
    std::string problem;
    EXPECT_TRUE(image->loadPicture(path.c_str(), problem)) << problem;
    return image;
}

// A scrolling panel of checkboxes, text fields and buttons, taller than itself, scrolled so
// that children straddle both its edges, with a scrolling panel inside.
Panel* scrolledPanel(GuiElement* parent, float x, float y) {
    auto* panel = new Panel("", parent);
    panel->setRect(x, y, 30, 20);
    panel->scroll = true;
    for (int i = 0; i < 8; ++i) {
        new CheckBox("", panel, "Option", 0, 4.0f * float(i), 20, 3);
        new TextField("", panel, 12, 4.0f * float(i) + 1, 14, 3);
    }
    auto* inner = new Panel("", panel);
    inner->setRect(2, 9, 24, 8);
    inner->scroll = true;
    inner->bgColor = Color{{90, 60, 60, 255}};
    for (int i = 0; i < 5; ++i)
        new Button("", inner, "Inner", 1, 3.0f * float(i) - 1, 16, 2.5f);
    inner->scrollTo(2.5f);
    panel->scrollTo(5.3f);
    return panel;
}

// The corpus: scenes built under the root, each checked in both skins. Where a core context
// cannot give the same pixels, coreDiffers says why: elements that draw with GL calls of their
// own are left out there; and where a primitive reaches beyond the viewport's edge, llvmpipe
// interpolates the fixed-function colour of the pieces it clips in a way no GLSL qualifier
// reproduces (smooth or noperspective), one step off in places.
struct Scene {
    const char* name;
    std::function<void(GuiElement*)> build;
    const char* coreDiffers = nullptr;
};
constexpr const char* kRawGl = "raw GL is left out in a core context";
constexpr const char* kClipped = "colours of clipped primitives in the shader renderer";
const Scene kScenes[] = {
    {"every class, nested",
     [](GuiElement* root) {
         auto* w = new Window("w", root, "A window");
         w->setRect(10, 8, 40, 30);
         new Button("b", w, "Button", 2, 4, 10, 3);
         new TextElement("t", w, "Text element", 2, 9, 16, 3);
         new GuiElement("g", w, 20, 4, 6, 6);
         auto* plain = new Window("bare", root, nullptr);
         plain->setRect(60, 8, 20, 10);
         plain->border = false;
         auto* framed = new Window("framed", root, nullptr);
         framed->setRect(60, 24, 20, 10);
         framed->borderColor = Color{{30, 200, 90, 255}};
     }},
    {"translucent colours",
     [](GuiElement* root) {
         for (int i = 0; i < 6; ++i) {
             auto* b = new Button("", root, "Half seen", 5.0f + 9 * i, 5.0f + 2 * i, 12, 4);
             b->bgColor = Color{{200, 80, 40, static_cast<unsigned char>(i * 50)}};
             b->fontColor = Color{{20, 40, 250, static_cast<unsigned char>(255 - i * 45)}};
         }
     }},
    {"textured with u and v",
     [](GuiElement* root) {
         auto* w = new Window("", root, "Textured");
         w->setRect(5, 5, 50, 40);
         w->texture = 1;
         w->u0 = 0.1f, w->v0 = 0.2f, w->u1 = 0.7f, w->v1 = 0.9f;
         auto* b = new Button("", w, "Tex", 5, 5, 12, 4);
         b->texture = 7;
         b->u1 = 0.5f;
         auto* t = new TextElement("", w, "after text", 5, 12, 20, 5);
         t->texture = 1;
         auto* g = new GuiElement("", root, 70, 5, 30, 30);
         g->texture = 1;
     }},
    {"text sizes, tabs and line feeds",
     [](GuiElement* root) {
         const float sizes[] = {0, 1.1f, 2, 3.7f, 6};
         const TextAlign aligns[] = {TextAlign::Start, TextAlign::Center, TextAlign::End};
         for (int i = 0; i < 5; ++i) {
             auto* t = new TextElement("", root, "Tab\there\tand\nnext line\n\tlast", 3,
                                       3.0f + 18 * i, 60, 16);
             t->fontSize = sizes[i];
             t->hAlign = aligns[i % 3];
             t->vAlign = aligns[(i + 1) % 3];
             t->fontColor = Color{{255, 255, static_cast<unsigned char>(50 * i), 255}};
         }
     }},
    {"a tree 200 levels deep",
     [](GuiElement* root) {
         GuiElement* parent = root;
         for (int level = 0; level < 200; ++level) {
             auto* b = new Button("", parent, level % 2 ? "odd" : "even", 0.3f, 0.4f, 6, 2);
             b->bgColor = Color{{static_cast<unsigned char>(level), 90, 200, 255}};
             parent = b;
         }
     }},
    {"the 10,000-button grid",
     [](GuiElement* root) {
         auto* w = new Window("", root, nullptr);
         w->setRect(0, 0, 133.4f, 100);
         for (int i = 0; i < 10000; ++i)
             new Button("", w, "Button", 0.5f + 3.5f * float(i % 37), 0.5f + 1.3f * float(i / 37),
                        3, 1);
     }},
    {"off screen, partly and at negative places",
     [](GuiElement* root) {
         const float places[][2] = {{-5, -3},  {-50, 10}, {130, 50}, {10, 98},
                                    {200, 10}, {10, 300}, {-3, 90},  {128, -2}};
         for (auto& at : places) {
             auto* w = new Window("", root, "Edge");
             w->setRect(at[0], at[1], 12, 8);
             new Button("", w, "Inner wide text overflowing", -4, 3, 6, 2);
         }
     },
     kClipped},
    {"raw GL in painter's order",
     [](GuiElement* root) {
         auto* w = new Window("", root, "Under");
         w->setRect(5, 5, 40, 30);
         auto* raw = new RawTriangle(w, 5, 5);
         new Button("", raw, "On top", 4, 3, 8, 3);
         new Button("", w, "Later", 10, 9, 12, 3);
         new RawTriangle(root, 30, 20);
     },
     kRawGl},
    {"text fields, pictures and scrolling panels",
     [](GuiElement* root) {
         auto* w = new Window("", root, "Records");
         w->setRect(4, 4, 120, 90);
         auto* named = new TextField("", w, 2, 4, 30, 3);
         named->setText("Selected text here");
         named->edit.moveTo(3, false);
         named->edit.moveTo(12, true);
         focusElement = named;
         auto* scrolled = new TextField("", w, 2, 9, 20, 3.5f);
         scrolled->setText("A text far longer than its field, scrolled to its end");
         new Label("", w, "Under the picture", 40, 6, 30, 3);
         picture(w, kData + "/gallery.png", 42, 4, 20, 15);
         auto* tinted = picture(w, kData + "/gallery.png", 66, 4, 20, 15);
         tinted->bgColor = Color{{255, 200, 200, 140}};
         picture(w, translucentPicture(), 90, 4, 20, 15)->u1 = 0.6f;
         new Label("", w, "Over the pictures", 60, 12, 40, 3);
         new Slider("", w, 2, 15, 30, 2);
         auto* panel = scrolledPanel(w, 2, 20);
         new Swatch(panel, 5, 12);
         scrolledPanel(w, 50, 40)->scrollTo(100);
         new Swatch(w, 90, 60);
     }},
    {"raw GL inside a scrolling panel",
     [](GuiElement* root) {
         Panel* panel = scrolledPanel(root, 10, 10);
         new RawTriangle(panel, 3, 14);
         new Button("", panel, "After", 4, 18, 10, 3);
     },
     kRawGl},
    {"an element that leaves state behind",
     [](GuiElement* root) {
         new Button("", root, "Before", 5, 5, 10, 3);
         new LeakyButton(root, 8, 6);
         new Button("", root, "After", 10, 7, 10, 3);
     },
     kRawGl},
};

}  // namespace

class RendererIdentity : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ASSERT_TRUE(loadTextureFontFile(kFont.c_str())) << kFont;
        ASSERT_TRUE(loadSkin("default", kSkin.c_str()));
        rootElement = new GuiRoot();
        pointerX = pointerY = 0;
        setRenderer(Renderer::Batched);
    }
    void TearDown() override {
        if (coreWindow)
            glfwDestroyWindow(coreWindow);
        delete rootElement;
        skinStore.clear();
        releaseGlyphTable();
        forgetNamedFonts();
        setFrameReuse(true);
        GlTest::TearDown();
    }

    // One frame as drawFrame draws it, batched or by the immediate path itself.
    std::vector<unsigned char> drawn(bool batched) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        beginScreenProjection();
        if (batched) {
            renderTree(rootElement, true);
        } else {
            rootElement->drawTree();
            drawDebugLinesNow();
        }
        endFrame();
        return frame();
    }

    // The next batched frame equals the immediate path's, or differs for a known reason
    // (its differing pixels are printed then); returns how it was drawn.
    Path expectIdentical(const std::string& what, bool batchedExpected = true,
                         const char* knownDifference = nullptr) {
        const auto batched = drawn(true);
        const RenderStats stats = lastRenderStats();
        const size_t differ = differingPixels(batched, drawn(false));
        if (knownDifference)
            std::cout << what << ": " << differ << " pixels differ (" << knownDifference << ")\n";
        else
            EXPECT_EQ(differ, 0u) << what << ": pixels differ";
        EXPECT_EQ(stats.path != Path::Immediate, batchedExpected) << what;
        return stats.path;
    }

    // Opens a hidden window of the same format with a context of its own (sharing nothing):
    // OpenGL 3.3 core, or compatibility; cleared as the test's own. The test's context is
    // current again after.
    void openSecondWindow(bool core = true) {
        coreWindow = openTestWindow(core);
        ASSERT_NE(coreWindow, nullptr);
        EXPECT_EQ(currentRenderer(), core ? Renderer::Shader : Renderer::Batched);
        glfwMakeContextCurrent(window);
    }

    // The pixels of the next frame drawn in the second window's context (by its renderer, with
    // the screen projection where it has matrices) that differ from the immediate path's in the
    // test's own context.
    size_t coreDifference() {
        glfwMakeContextCurrent(coreWindow);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const bool matrices = currentRenderer() != Renderer::Shader;
        if (matrices)
            beginScreenProjection();
        renderTree(rootElement, true);
        if (matrices)
            endFrame();
        glFinish();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        const auto shaded = frame();
        glfwMakeContextCurrent(window);
        return differingPixels(shaded, drawn(false));
    }

    static size_t differingPixels(const std::vector<unsigned char>& a,
                                  const std::vector<unsigned char>& b) {
        size_t differ = 0;
        for (size_t i = 0; i < a.size(); i += 4)
            differ += std::equal(&a[i], &a[i] + 4, &b[i]) ? 0 : 1;
        return differ;
    }

    void demo() { ASSERT_TRUE(loadDialogue((kData + "/testDialogue.xml").c_str())); }
    // The pointer to the middle of a named element, as the window would report it.
    void pointAt(const char* name) {
        float x = 0, y = 0;
        GuiElement* e = elementRegistry.count(name) ? elementRegistry.at(name) : nullptr;
        ASSERT_NE(e, nullptr) << name;
        elementScreenPosition(e, x, y);
        routePointer(int((x + e->width / 2) / pixelSize), int((y + e->height / 2) / pixelSize));
    }
    void switchSkin() {
        ASSERT_TRUE(loadSkin("test", kSkin.c_str()));
        reskinTree(rootElement, skinStore);
    }

    GLFWwindow* coreWindow = nullptr;
};

// Every scene of the corpus, each checked in both skins, by the batched renderer and by the
// shader renderer in the same compatibility context.
TEST_F(RendererIdentity, CorpusMatchesTheImmediatePath) {
    for (const Scene& scene : kScenes) {
        SCOPED_TRACE(scene.name);
        scene.build(rootElement);
        const auto withBoth = [&](const char* skin) {
            setRenderer(Renderer::Batched);
            expectIdentical(std::string(scene.name) + ", " + skin);
            setRenderer(Renderer::Shader);
            const bool clipped = scene.coreDiffers == kClipped;
            expectIdentical(std::string(scene.name) + ", " + skin + ", shader", true,
                            clipped ? kClipped : nullptr);
        };
        withBoth("default skin");
        switchSkin();
        withBoth("test skin");
        delete rootElement;
        skinStore.clear();
        ASSERT_TRUE(loadSkin("default", kSkin.c_str()));
        rootElement = new GuiRoot();
    }
}

// A framebuffer of colour alone (RGBA8, no depth) of the window's size in the current context,
// bound; deleted with its renderbuffer when it goes.
struct ColourTarget {
    GLuint framebuffer = 0, colour = 0;
    ColourTarget() {
        glGenFramebuffers(1, &framebuffer);
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kTestWindowWidth, kTestWindowHeight);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    }
    ~ColourTarget() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteRenderbuffers(1, &colour);
    }
};

// The same corpus drawn by the shader renderer in an OpenGL 3.3 core context, into the window
// and into a framebuffer without a depth buffer (where painter's order is kept by drawing in
// it): byte for byte the immediate path's frames in a compatibility context (drawn into a
// framebuffer of the same format: llvmpipe rounds colours by the target's format), save the
// scenes named above (their differing pixels are printed).
TEST_F(RendererIdentity, CoreCorpusMatchesTheImmediatePath) {
    openSecondWindow();
    for (const bool depth : {true, false}) {
        // Each context's framebuffer for this pass; the window's own when depth.
        std::unique_ptr<ColourTarget> reference, drawnCore;
        if (!depth) {
            reference = std::make_unique<ColourTarget>();
            glfwMakeContextCurrent(coreWindow);
            drawnCore = std::make_unique<ColourTarget>();
            glfwMakeContextCurrent(window);
        }
        for (const Scene& scene : kScenes) {
            SCOPED_TRACE(scene.name);
            scene.build(rootElement);
            for (const char* skin : {"default skin", "test skin"}) {
                if (std::string(skin) == "test skin")
                    switchSkin();
                const size_t differ = coreDifference();
                const std::string what = std::string(skin) + (depth ? "" : ", no depth buffer");
                if (scene.coreDiffers) {
                    std::cout << scene.name << ", " << what << ": " << differ
                              << " pixels differ in a core context (" << scene.coreDiffers << ")\n";
                } else {
                    EXPECT_EQ(differ, 0u) << what << ": pixels differ";
                }
            }
            delete rootElement;
            skinStore.clear();
            ASSERT_TRUE(loadSkin("default", kSkin.c_str()));
            rootElement = new GuiRoot();
        }
        glfwMakeContextCurrent(coreWindow);
        drawnCore.reset();
        glfwMakeContextCurrent(window);
    }
}

// The demo before and after its skin change, with the pointer over a button and one held.
TEST_F(RendererIdentity, DemoMatchesTheImmediatePath) {
    demo();
    expectIdentical("demo, pointer at the origin");
    pointAt("applyButton");
    expectIdentical("demo, pointer over a button");
    routeMouseButton(0, true);
    expectIdentical("demo, button held");
    routeMouseButton(0, false);
    switchSkin();
    static_cast<Button*>(elementRegistry.at("skinButton"))->text = "Pushover";
    pointAt("cancelButton");
    expectIdentical("demo after the skin change");
    routeMouseButton(0, true);
    expectIdentical("demo after the skin change, button held");
}

// The other element classes (labels, check boxes, sliders, an image, text fields, a scrolled
// panel, a second window), with focus, a held button and the wheel: all recorded, drawn in a
// handful of calls.
TEST_F(RendererIdentity, GalleryMatchesTheImmediatePath) {
    ASSERT_TRUE(loadDialogue((kData + "/gallery.xml").c_str()));
    setFrameReuse(false);
    expectIdentical("gallery");
    // Everything recorded: nothing handed over, a handful of calls.
    EXPECT_LE(lastRenderStats().drawCalls, 12u);
    setFrameReuse(true);
    pointAt("optionPanel");
    routeScroll(0, -3);
    pointAt("nameField");
    routeMouseButton(0, true);
    routeChar('x');
    expectIdentical("gallery, scrolled and typed into");
    switchSkin();
    pointAt("gridBox");
    expectIdentical("gallery after the skin change");
}

// Text clipped, cut with an ellipsis and wrapped, in every text element class: recorded.
TEST_F(RendererIdentity, FittedTextMatchesTheImmediatePath) {
    TempFolder folder;
    const std::string path = folder.write(
        "fitted.xml",
        "<window x='10' y='10' width='14' height='20' title='A long window title here' "
        "overflow='ellipsis'>\n"
        "<label x='1' y='4' width='12' height='6' wrap='1' overflow='clip' "
        "text='Some words to wrap and a long unbreakableword'/>\n"
        "<button x='1' y='11' width='6' height='3' overflow='clip' text='Clipped caption'/>\n"
        "<checkbox x='1' y='15' width='12' height='2' overflow='ellipsis' "
        "text='A caption cut short with an ellipsis'/>\n"
        "</window>\n");
    ASSERT_TRUE(loadDialogue(path.c_str()));
    setFrameReuse(false);
    expectIdentical("fitted text");
}

// Many scrolling panels whose children reach past their edges: the same pixels, and the
// clipped primitives of all panels share calls (flat rectangles cut on the CPU in every
// renderer, the rest under scissors spanning several panels in the batched renderer,
// everything in the shader renderer) instead of a scissored call per panel.
TEST_F(RendererIdentity, ClippedPrimitivesOfManyPanelsShareCalls) {
    for (int i = 0; i < 24; ++i)
        scrolledPanel(rootElement, 4.0f + 5 * float(i % 6), 3.0f + 22 * float(i / 6));
    setFrameReuse(false);
    const struct {
        Renderer renderer;
        size_t calls;
    } renderers[] = {{Renderer::Batched, 80}, {Renderer::Shader, 8}};
    for (const auto& r : renderers) {
        setRenderer(r.renderer);
        expectIdentical(r.renderer == Renderer::Shader ? "panels, shader" : "panels, batched");
        EXPECT_LE(lastRenderStats().drawCalls, r.calls);
    }
}

// The demo, pointed at and pressed, in both skins, and the gallery, drawn in a core context:
// the immediate path's pixels.
TEST_F(RendererIdentity, CoreDemoMatchesTheImmediatePath) {
    openSecondWindow();
    demo();
    pointAt("applyButton");
    routeMouseButton(0, true);
    EXPECT_EQ(coreDifference(), 0u) << "demo, button held";
    routeMouseButton(0, false);
    switchSkin();
    pointAt("cancelButton");
    EXPECT_EQ(coreDifference(), 0u) << "demo after the skin change";
    delete rootElement;
    rootElement = new GuiRoot();
    ASSERT_TRUE(loadDialogue((kData + "/gallery.xml").c_str()));
    EXPECT_EQ(coreDifference(), 0u) << "gallery";
}

// The controls (radio buttons, spinbox, dropdown and its open list, progress bar, separators,
// icon buttons, disabled elements, a tooltip, password and placeholder fields) are recorded as
// they draw, and a change of enabled shows in the next reused frame.
TEST_F(RendererIdentity, ControlsMatchTheImmediatePath) {
    ASSERT_TRUE(loadDialogue((kData + "/galleryControls.xml").c_str()));
    expectIdentical("controls");
    pointAt("paperDrop");
    routeMouseButton(0, true);
    routeMouseButton(0, false);
    routeKey(kKeyDown, true);
    expectIdentical("controls, dropdown open");
    routeKey(kKeyEscape, true);
    pointAt("printButton");
    updateTooltip(1);
    updateTooltip(2);
    ASSERT_NE(shownTooltip(), nullptr);
    expectIdentical("controls, tooltip shown");
    // Only known classes in view change: the reused frame must see the change of enabled.
    shownTooltip()->visible = false;
    elementRegistry.at("paperDrop")->visible = false;
    elementRegistry.at("copiesSpin")->visible = false;
    expectIdentical("controls, without the classes drawn anew every frame");
    elementRegistry.at("amountField")->enabled = false;
    expectIdentical("controls, a field disabled");
    switchSkin();
    expectIdentical("controls after the skin change");
}

// The font's texture belongs to the context that loaded it: another context (sharing nothing)
// draws the demo's text with one of its own, and a font loaded again while that one is current
// leaves the first context's text right.
TEST_F(RendererIdentity, EachContextDrawsTheFontWithItsOwnTexture) {
    openSecondWindow(false);
    demo();
    EXPECT_EQ(coreDifference(), 0u) << "the demo in another context";
    glfwMakeContextCurrent(coreWindow);
    ASSERT_TRUE(loadTextureFontFile(kFont.c_str()));
    glfwMakeContextCurrent(window);
    // Its font's texture is no longer the one bound there: the immediate path draws it.
    expectIdentical("the first context after a load in the other", false);
    EXPECT_EQ(coreDifference(), 0u) << "the other context after its load";
}

// A framebuffer without depth (here an off-screen one with colour alone) is drawn by the
// immediate path; back in the window, batching resumes.
TEST_F(RendererIdentity, WithoutADepthBufferTheImmediatePathDraws) {
    demo();
    {
        const ColourTarget target;
        expectIdentical("no depth buffer", false);
    }
    expectIdentical("the window again");
}

// An unchanged frame is drawn again from its saved pixels; every kind of change through the
// public fields of every class (a text's named font, overflow and wrapping among them) shows in
// the very next frame, drawn in full or repaired in place.
TEST_F(RendererIdentity, ChangesShowInTheNextFrame) {
    auto* w = new Window("w", rootElement, "Reuse");
    w->setRect(0, 0, 133.4f, 100);
    std::vector<Button*> buttons;
    for (int i = 0; i < 400; ++i)
        buttons.push_back(new Button("", w, "Button", 0.5f + 3.5f * float(i % 37),
                                     3.5f + 1.3f * float(i / 37), 3, 1));
    auto* label = new Label("", w, "A label", 2, 30, 20, 3);
    // Named, fitted and wrapped text: a face of its own, an ellipsis, lines broken.
    ASSERT_TRUE(declareNamedFont("heading", kDejaVu, nullptr));
    auto* fitted = new Label("", w, "Words far wider than their label", 2, 46, 10, 6);
    auto* check = new CheckBox("", w, "Check", 2, 34, 20, 3);
    auto* slider = new Slider("", w, 2, 38, 30, 2);
    auto* field = new TextField("", w, 2, 42, 30, 3);
    field->setText("Some text to select in a field");
    Image* image = picture(w, kData + "/gallery.png", 40, 30, 20, 15);
    Panel* panel = scrolledPanel(w, 70, 30);
    GuiElement* inPanel = panel->children.oldestFirst().front();
    auto* outside = new Button("", buttons[15], "outside its parent", 20, 60, 25, 2);
    auto* list = new ListBox("", w, 100, 30, 20, 12);
    list->setItems(std::vector<std::string>(5000, "An item"));
    list->select(3);
    expectIdentical("first frame");
    EXPECT_EQ(expectIdentical("unchanged"), Path::Copied);
    TextElement* title = w->titleBar;
    const struct {
        const char* what;
        std::function<void()> change;
        bool settles = false;  // the element changes itself as it draws
    } changes[] = {
        {"bgColor",
         [&] {
             buttons[5]->bgColor = Color{{250, 20, 20, 255}};
         }},
        {"fontColor",
         [&] {
             buttons[6]->fontColor = Color{{0, 250, 20, 128}};
         }},
        {"text", [&] { buttons[7]->text = "Other\ttext"; }},
        {"fontSize", [&] { buttons[8]->fontSize = 3; }},
        {"pressed", [&] { buttons[9]->setPressed(true); }},
        {"geometry", [&] { buttons[10]->setRect(40, 40, 9, 7); }},
        {"texture and u", [&] { buttons[11]->texture = 1, buttons[11]->u0 = 0.3f; }},
        {"visibility", [&] { buttons[12]->visible = false; }},
        {"a parent's place", [&] { title->x += pixelSize * 3; }},
        {"children", [&] { new Button("", buttons[13], "child", 1, 1, 5, 2); }},
        {"removal", [&] { delete buttons[14]; }},
        {"pointer line", [&] { routePointer(300, 200); }},
        {"re-skin", [&] { switchSkin(); }},
        {"border", [&] { w->border = false; }},
        {"alignment", [&] { buttons[20]->hAlign = TextAlign::End; }},
        {"a parent moved, its child far outside it", [&] { buttons[15]->x += 2; }},
        {"a child's colour, far outside its parent", [&] { outside->bgColor.rgba[1] = 9; }},
        {"label text", [&] { label->text = "Another label"; }},
        {"label font", [&] { label->font = "heading"; }},
        {"label overflow", [&] { fitted->overflow = TextOverflow::Ellipsis; }},
        {"label wrap", [&] { fitted->wrap = true; }},
        {"check mark", [&] { check->setChecked(true); }},
        {"check colour",
         [&] {
             check->checkColor = Color{{250, 0, 0, 255}};
         }},
        {"slider value", [&] { slider->setValue(0.7); }},
        {"slider colour",
         [&] {
             slider->fillColor = Color{{0, 250, 0, 255}};
         }},
        {"focus", [&] { focusElement = check; }},
        {"caret", [&] { focusElement = field; }},
        {"selection", [&] { field->edit.moveTo(2, false), field->edit.moveTo(9, true); }},
        // The field takes up a text assigned to it as it draws, moving its caret: one frame
        // more is repaired.
        {"field text", [&] { field->text = "Other words"; }, true},
        {"field scroll", [&] { field->scrollX = 2; }},
        {"field colour",
         [&] {
             field->frameColor = Color{{250, 0, 250, 255}};
         }},
        {"picture",
         [&] {
             std::string problem;
             EXPECT_TRUE(image->loadPicture(translucentPicture().c_str(), problem)) << problem;
         }},
        {"picture tint",
         [&] {
             image->bgColor = Color{{250, 200, 100, 120}};
         }},
        {"panel scroll", [&] { panel->scrollTo(9); }},
        {"panel thumb colour",
         [&] {
             panel->thumbColor = Color{{0, 0, 250, 255}};
         }},
        {"panel content", [&] { inPanel->height += 12; }},
        {"list selection", [&] { list->select(4); }},
        {"list scroll", [&] { list->scrollTo(40); }},
        {"list items", [&] { list->setItems({"Other", "items"}); }},
        {"list colour",
         [&] {
             list->selectionColor = Color{{0, 250, 0, 255}};
         }},
    };
    int repaired = 0;
    for (const auto& c : changes) {
        c.change();
        if (expectIdentical(c.what) == Path::Repaired)
            ++repaired;
        if (c.settles)
            expectIdentical(std::string(c.what) + ", settled");
        EXPECT_EQ(expectIdentical(std::string(c.what) + ", then unchanged"), Path::Copied)
            << c.what;
    }
    EXPECT_GE(repaired, 8);
}

// The font's levels that contexts without GLU get are the ones GLU builds.
TEST_F(RendererIdentity, FontLevelsAreGlus) {
    const std::vector<FontLevel> levels = fontMipmaps();
    ASSERT_EQ(levels.size(), 9u);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (size_t level = 0; level < levels.size(); ++level) {
        std::vector<unsigned char> read(levels[level].texels.size());
        glGetTexImage(GL_TEXTURE_2D, GLint(level), GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                      read.data());
        size_t differ = 0;
        for (size_t i = 0; i < read.size(); ++i)
            differ += read[i] != levels[level].texels[i];
        EXPECT_EQ(differ, 0u) << "level " << level;
    }
}

// A window over part of a host's scene that changes every frame: while the window is unchanged,
// its saved pixels are put back where nothing beneath shows through, and what its labels draw
// beyond it (over the scene) is drawn again; a button changed in it is repaired in place. Each
// frame equals the immediate path's.
TEST_F(RendererIdentity, AWindowOverAChangingSceneIsPutBackOverIt) {
    auto* w = new Window("", rootElement, "Over a scene");
    w->setRect(20, 10, 36, 30);
    std::vector<Button*> buttons;
    for (int i = 0; i < 100; ++i)
        buttons.push_back(new Button(
            "", w, i % 10 == 9 ? "Overflowing text" : "Button",
            i % 10 == 0 ? -2.0f : 0.5f + 3.5f * float(i % 10), 2.5f + 1.3f * float(i / 10), 3, 1));
    new Label("", w, "Far beyond the window's bottom", 2, 29, 10, 3);
    // Host frame i: its own clear colour, and a triangle across the window's edge.
    const auto hostFrame = [](int i) {
        glClearColor(0.1f * float(i % 7), 0.3f, 1 - 0.1f * float(i % 5), 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        beginScreenProjection();
        glBegin(GL_TRIANGLES);
        glColor4ub(static_cast<unsigned char>(40 * i), 200, 90, 255);
        glVertex2f(0, 0);
        glVertex2f(60 + 5.0f * float(i), 20);
        glVertex2f(10, 60);
        glEnd();
    };
    for (const Renderer renderer : {Renderer::Batched, Renderer::Shader}) {
        setRenderer(renderer);
        std::vector<Path> paths;
        for (int i = 0; i < 7; ++i) {
            // Frame 4 changes a button inside the window, frame 5 one at its edge.
            if (i == 4)
                buttons[13]->bgColor.rgba[0] ^= 0x80;
            if (i == 5)
                buttons[29]->fontColor.rgba[1] ^= 0x80;
            hostFrame(i);
            renderTree(rootElement, false);
            endFrame();
            paths.push_back(lastRenderStats().path);
            const auto batched = frame();
            hostFrame(i);
            rootElement->drawTree();
            endFrame();
            EXPECT_EQ(differingPixels(batched, frame()), 0u) << "frame " << i;
        }
        // The first frames are drawn (and the second may be, as the start state settles).
        EXPECT_EQ(paths.front(), Path::Drawn);
        EXPECT_EQ(std::vector<Path>(paths.begin() + 2, paths.end()),
                  (std::vector<Path>{Path::Overlaid, Path::Overlaid, Path::Repaired,
                                     Path::Repaired, Path::Overlaid}));
    }
    glClearColor(0, 0, 0, 0);
}
