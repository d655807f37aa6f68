// Several interfaces in one program, each in a window of its own with an unshared GL context:
// each draws what it draws alone, frame for frame, while the other loads, takes events and draws
// in between; names, callbacks, skins and fonts stay with their interface; destroying one frees
// its GL objects in its context and leaves the other's alone.
#include "trellis/shell/Interface.h"

#include "support/GlTest.h"
#include "support/TempFolder.h"
#include "support/TestFont.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/Host.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GLFW/glfw3.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace trellis;

namespace {

const std::string kDemoSkin = std::string(TRELLIS_SOURCE_DIR) + "/data/defaultSkin.xml";
const std::string kDemoDialogue = std::string(TRELLIS_SOURCE_DIR) + "/data/testDialogue.xml";
const std::string kDemoFont = std::string(TRELLIS_RUN_DIR) + "/verdana.glf";
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The second interface's dialogue: a button named as one of the demo's, and names of its own.
const char* const kNotesDialogue = R"(<window name="notesWindow" title="Notes" x="4" y="4"
        width="60" height="40">
    <textfield name="noteField" x="3" y="5" width="40" height="4"/>
    <checkbox name="pinBox" text="Pin the note" x="3" y="12" width="30" height="3"/>
    <button name="skinButton" text="Press me" x="3" y="18" width="22" height="4"
            onLeftClick="changeSkin"/>
    <label name="notesLabel" text="Grüße, naïve café" x="3" y="25" width="40" height="4"/>
</window>)";

using Frame = std::vector<unsigned char>;

void countClick(void* clicks, CallbackSender*) {
    ++*static_cast<int*>(clicks);
}

// The middle of the current interface's element of that name, in window pixels.
void pointAt(const char* name) {
    const GuiElement* element = findElement(name);
    ASSERT_NE(element, nullptr) << name;
    float x = element->width / 2, y = element->height / 2;
    for (; element; element = element->parent)
        x += element->x, y += element->y;
    hostCursorPos(x / pixelSize, y / pixelSize);
}

void click(const char* name) {
    pointAt(name);
    hostMouseButton(0, kActionPress);
    hostMouseButton(0, kActionRelease);
}

void type(const char* text) {
    for (; *text; ++text)
        hostChar(static_cast<unsigned char>(*text));
}

// What one window's interface is given: how it starts (in the current interface), then the
// events of each step, each step ending with a frame.
struct Script {
    std::function<void(int& clicks)> start;
    std::vector<std::function<void()>> steps;
};

// The demo's dialogue in its default skin and baked font, drawn by the batched renderer.
Script demoScript() {
    return {[](int& clicks) {
                ASSERT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
                registerCallback("changeSkin", countClick, &clicks);
                ASSERT_TRUE(loadFont(kDemoFont.c_str()));
                ASSERT_TRUE(loadSkin("default", kDemoSkin.c_str()));
                ASSERT_TRUE(loadDialogueFile(kDemoDialogue.c_str()).loaded);
            },
            {[] {}, [] { pointAt("applyButton"); }, [] { click("skinButton"); },
             [] {
                 pointAt("cancelButton");
                 hostMouseButton(0, kActionPress);
             }}};
}

// A dialogue of its own in the demo file's other skin and a TrueType face, drawn by the shader
// renderer.
Script notesScript(const std::string& dialogue) {
    return {[dialogue](int& clicks) {
                ASSERT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
                setRenderer(Renderer::Shader);
                registerCallback("changeSkin", countClick, &clicks);
                ASSERT_TRUE(loadFont(kDejaVu.c_str()));
                ASSERT_TRUE(loadSkin("test", kDemoSkin.c_str()));
                ASSERT_TRUE(loadDialogueFile(dialogue.c_str()).loaded);
            },
            {[] { click("noteField"); }, [] { type("Hello there"); }, [] { click("pinBox"); },
             [] { click("skinButton"); }}};
}

// A hidden window of its own with an interface of its own.
struct Screen {
    Screen() : window(openTestWindow(false)), ui(std::make_unique<Interface>()) {}
    ~Screen() {
        if (ui)
            use();
        ui.reset();
        if (window)
            glfwDestroyWindow(window);
    }

    // Makes the window's context and its interface current.
    void use() {
        glfwMakeContextCurrent(window);
        setCurrentInterface(ui.get());
    }

    // The frame the interface draws over black.
    Frame draw() {
        use();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawInterface();
        glFinish();
        Frame pixels(size_t(kTestWindowWidth) * kTestWindowHeight * 4);
        glReadPixels(0, 0, kTestWindowWidth, kTestWindowHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
        return pixels;
    }

    GLFWwindow* window;
    std::unique_ptr<Interface> ui;
    int clicks = 0;
};

// The frames script draws alone in a program: each step's events, then a frame.
std::vector<Frame> framesAlone(const Script& script) {
    Screen screen;
    screen.use();
    script.start(screen.clicks);
    std::vector<Frame> frames;
    for (const auto& step : script.steps) {
        step();
        frames.push_back(screen.draw());
    }
    return frames;
}

// How many pixels of two frames differ.
long differingPixels(const Frame& a, const Frame& b) {
    long count = 0;
    for (size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4)
        count += !std::equal(&a[i], &a[i] + 4, &b[i]);
    return count;
}

// GL objects alive in the current context among the first names of each kind.
int liveGlNames() {
    int live = 0;
    for (GLuint name = 1; name <= 64; ++name)
        live += glIsTexture(name) + glIsBuffer(name) + glIsProgram(name) + glIsVertexArray(name) +
                glIsFramebuffer(name);
    return live;
}

}  // namespace

class Interfaces : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(startGlfw()); }
    void TearDown() override { glfwTerminate(); }

    TempFolder files;
};

TEST_F(Interfaces, TwoWindowsEachDrawAsAloneAndKeepTheirOwn) {
    const std::string notesPath = files.write("notes.xml", kNotesDialogue);
    const Script demo = demoScript(), notes = notesScript(notesPath);
    const std::vector<Frame> demoAlone = framesAlone(demo), notesAlone = framesAlone(notes);
    ASSERT_EQ(&currentInterface(), &defaultInterface());

    // Both at once, each step and each frame in turn.
    Screen first, second;
    first.use();
    demo.start(first.clicks);
    second.use();
    notes.start(second.clicks);
    for (size_t step = 0; step < demo.steps.size(); ++step) {
        first.use();
        demo.steps[step]();
        EXPECT_EQ(differingPixels(first.draw(), demoAlone[step]), 0) << "demo, step " << step;
        second.use();
        notes.steps[step]();
        EXPECT_EQ(differingPixels(second.draw(), notesAlone[step]), 0) << "notes, step " << step;
    }
    // Each button fired its own interface's callback of the shared name, once.
    EXPECT_EQ(first.clicks, 1);
    EXPECT_EQ(second.clicks, 1);

    // Names are found in their own interface only.
    first.use();
    const GuiElement* demoButton = findElement("skinButton");
    EXPECT_EQ(findElement("notesLabel"), nullptr);
    second.use();
    ASSERT_NE(findElement("notesLabel"), nullptr);
    EXPECT_NE(findElement("skinButton"), demoButton);
    EXPECT_EQ(findElement("mainWindow"), nullptr);
    EXPECT_EQ(findElement("skinButton")->parent->parent, rootElement);

    // Another font in the second changes its text and not the first's.
    const auto blocks = encodeFontFile(makeTestFont());
    const std::string blockFont =
        files.write("blocks.glf", std::string(blocks.begin(), blocks.end()));
    second.use();
    ASSERT_TRUE(loadFont(blockFont.c_str()));
    EXPECT_GT(differingPixels(second.draw(), notesAlone.back()), 0);
    EXPECT_EQ(differingPixels(first.draw(), demoAlone.back()), 0);

    // Destroyed with its context current, the second leaves nothing there; the first draws on.
    second.use();
    EXPECT_GT(liveGlNames(), 0);
    second.ui.reset();
    EXPECT_EQ(&currentInterface(), &defaultInterface());
    EXPECT_EQ(liveGlNames(), 0);
    EXPECT_EQ(differingPixels(first.draw(), demoAlone.back()), 0);
    first.use();
    EXPECT_NE(findElement("skinButton"), nullptr);
}
