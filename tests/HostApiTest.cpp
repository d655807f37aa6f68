// Tests for the host API in a real GL context: the demo's interface started, loaded, fed events
// and drawn as a host program would, with the host's GL state checked around the drawing.
#include "trellis/shell/Host.h"

#include "shell/HostState.h"
#include "support/MatchedBox.h"
#include "support/Sanitizers.h"
#include "support/TestFont.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/WindowShell.h"
#include "trellis/style/SkinStore.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GLFW/glfw3.h>
#include <cmath>
#include <cstdlib>
#include <map>

using namespace trellis;

namespace {

const std::string kData = std::string(TRELLIS_SOURCE_DIR) + "/data";
const std::string kDemoDialogue = kData + "/testDialogue.xml";
const std::string kDemoSkin = kData + "/defaultSkin.xml";

int clicks = 0;  // fires of the callback the demo dialogue binds as "changeSkin"
void countClick(void*, CallbackSender*) {
    ++clicks;
}

// An element that takes every key, to see a consumed key reported as taken.
struct KeyTaker : GuiElement {
    KeyTaker(GuiElement* parent, float x, float y) : GuiElement("keyTaker", parent, x, y, 10, 10) {}
    bool onKeyDown(int) override { return true; }
    bool onKeyUp(int) override { return true; }
};

}  // namespace

class HostApi : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        hostState = HostState();
        clicks = 0;
        static int receiver;
        registerCallback("changeSkin", countClick, &receiver);
        const auto bytes = encodeFontFile(makeTestFont());
        fontPath = files.write("font.glf", std::string(bytes.begin(), bytes.end()));
    }
    void TearDown() override {
        destroyElement(rootElement);
        skinStore.clear();
        GlTest::TearDown();
    }

    // Starts the interface as the demo's: 1024 x 768, the test font, the default skin, the
    // demo's dialogue.
    LoadedDialogue startDemo() {
        EXPECT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
        EXPECT_TRUE(loadFont(fontPath.c_str()));
        EXPECT_TRUE(loadSkin("default", kDemoSkin.c_str()));
        LoadedDialogue loaded = loadDialogueFile(kDemoDialogue.c_str());
        EXPECT_TRUE(loaded.loaded);
        return loaded;
    }

    // The middle of a named element, in window pixels.
    static std::pair<double, double> middleOf(const char* name) {
        const GuiElement* element = findElement(name);
        EXPECT_NE(element, nullptr) << name;
        double x = element->width / 2, y = element->height / 2;
        for (; element; element = element->parent)
            x += element->x, y += element->y;
        return {x / pixelSize, y / pixelSize};
    }

    void moveTo(std::pair<double, double> at) { hostCursorPos(window, at.first, at.second); }

    // A press and release of button at a place; whether each was taken.
    std::pair<bool, bool> clickAt(std::pair<double, double> at, int button = 0) {
        moveTo(at);
        const bool down = hostMouseButton(button, GLFW_PRESS);
        return {down, hostMouseButton(button, GLFW_RELEASE)};
    }

    // The frame drawFrame draws, the demo's way.
    std::vector<unsigned char> demoFrame() {
        glClear(GL_COLOR_BUFFER_BIT);
        drawFrame();
        glFinish();
        return frame();
    }

    // The frame drawInterface draws over a cleared framebuffer.
    std::vector<unsigned char> hostFrame(bool debugLines) {
        glClear(GL_COLOR_BUFFER_BIT);
        drawInterface(debugLines);
        glFinish();
        return frame();
    }

    TempFolder files;
    std::string fontPath;
};

// ---- Drawing ---------------------------------------------------------------------------------

// Every piece of GL state a host may have set, read back: name to values.
using GlState = std::map<std::string, std::vector<double>>;

GlState readGlState() {
    GlState state;
    const std::pair<const char*, GLenum> enables[] = {
        {"blend", GL_BLEND},
        {"alpha test", GL_ALPHA_TEST},
        {"depth test", GL_DEPTH_TEST},
        {"cull face", GL_CULL_FACE},
        {"lighting", GL_LIGHTING},
        {"scissor", GL_SCISSOR_TEST},
        {"fog", GL_FOG},
        {"stencil", GL_STENCIL_TEST},
        {"stipple", GL_LINE_STIPPLE},
        {"logic op", GL_COLOR_LOGIC_OP},
        {"dither", GL_DITHER},
        {"multisample", GL_MULTISAMPLE},
        {"srgb", GL_FRAMEBUFFER_SRGB},
        {"discard", GL_RASTERIZER_DISCARD},
        {"clip 0", GL_CLIP_PLANE0},
        {"vertex array", GL_VERTEX_ARRAY},
        {"color array", GL_COLOR_ARRAY},
    };
    for (auto [name, cap] : enables)
        state[name] = {double(glIsEnabled(cap))};
    const std::tuple<const char*, GLenum, int> values[] = {
        {"blend src", GL_BLEND_SRC, 1},
        {"blend dst", GL_BLEND_DST, 1},
        {"blend equation", GL_BLEND_EQUATION_RGB, 1},
        {"alpha func", GL_ALPHA_TEST_FUNC, 1},
        {"alpha ref", GL_ALPHA_TEST_REF, 1},
        {"matrix mode", GL_MATRIX_MODE, 1},
        {"projection", GL_PROJECTION_MATRIX, 16},
        {"model-view", GL_MODELVIEW_MATRIX, 16},
        {"model-view depth", GL_MODELVIEW_STACK_DEPTH, 1},
        {"projection depth", GL_PROJECTION_STACK_DEPTH, 1},
        {"viewport", GL_VIEWPORT, 4},
        {"scissor box", GL_SCISSOR_BOX, 4},
        {"colour", GL_CURRENT_COLOR, 4},
        {"colour mask", GL_COLOR_WRITEMASK, 4},
        {"depth mask", GL_DEPTH_WRITEMASK, 1},
        {"polygon mode", GL_POLYGON_MODE, 2},
        {"shade model", GL_SHADE_MODEL, 1},
        {"line width", GL_LINE_WIDTH, 1},
        {"program", GL_CURRENT_PROGRAM, 1},
        {"array buffer", GL_ARRAY_BUFFER_BINDING, 1},
        {"vertex pointer size", GL_VERTEX_ARRAY_SIZE, 1},
        {"active texture", GL_ACTIVE_TEXTURE, 1},
        {"client active texture", GL_CLIENT_ACTIVE_TEXTURE, 1},
        {"unpack alignment", GL_UNPACK_ALIGNMENT, 1},
    };
    for (auto [name, pname, count] : values) {
        std::vector<double> read(16);
        glGetDoublev(pname, read.data());
        state[name].assign(read.begin(), read.begin() + count);
    }
    // Per texture unit: binding, targets, environment, matrix, sampler.
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    for (int unit = 0; unit < 2; ++unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        const std::string u = "unit " + std::to_string(unit) + " ";
        std::vector<double> matrix(16);
        glGetDoublev(GL_TEXTURE_MATRIX, matrix.data());
        state[u + "matrix"] = matrix;
        GLint binding = 0, mode = 0, sampler = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &binding);
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        glGetIntegerv(GL_SAMPLER_BINDING, &sampler);
        state[u + "binding, env, sampler"] = {double(binding), double(mode), double(sampler)};
        state[u + "targets"] = {double(glIsEnabled(GL_TEXTURE_2D)),
                                double(glIsEnabled(GL_TEXTURE_1D)),
                                double(glIsEnabled(GL_TEXTURE_GEN_S))};
    }
    glActiveTexture(active);
    return state;
}

// A program that paints everything green: left bound, it would show in every pixel.
GLuint greenProgram() {
    const char* source = "void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }";
    const GLuint shader = glCreateShader(GL_FRAGMENT_SHADER);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    const GLuint program = glCreateProgram();
    glAttachShader(program, shader);
    glLinkProgram(program);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_TRUE(linked);
    return program;
}

// Sets a value other than GL's default for every piece of state in readGlState.
void setHostGlState() {
    for (GLenum cap : {GL_BLEND, GL_ALPHA_TEST, GL_DEPTH_TEST, GL_CULL_FACE, GL_LIGHTING,
                       GL_SCISSOR_TEST, GL_FOG, GL_STENCIL_TEST, GL_LINE_STIPPLE, GL_COLOR_LOGIC_OP,
                       GL_FRAMEBUFFER_SRGB, GL_CLIP_PLANE0})
        glEnable(cap);
    glDisable(GL_DITHER);
    glDisable(GL_MULTISAMPLE);
    glBlendFunc(GL_DST_COLOR, GL_ONE);
    glBlendEquation(GL_FUNC_REVERSE_SUBTRACT);
    glAlphaFunc(GL_LESS, 0.25f);
    glDepthFunc(GL_NEVER);
    glLogicOp(GL_INVERT);
    glCullFace(GL_FRONT_AND_BACK);
    glScissor(1, 2, 3, 4);
    glViewport(10, 20, 300, 200);
    glColor4f(0.25f, 0.5f, 0.75f, 0.5f);
    glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glShadeModel(GL_FLAT);
    glLineWidth(3);
    glLineStipple(1, 0x0101);
    const GLdouble plane[] = {1, 0, 0, -1e6};
    glClipPlane(GL_CLIP_PLANE0, plane);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glOrtho(-3, 5, -7, 11, -13, 17);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(3, 4, 5);
    glRotatef(30, 0, 0, 1);
    GLuint textures[2], buffer, sampler;
    glGenTextures(2, textures);
    glGenBuffers(1, &buffer);
    glGenSamplers(1, &sampler);
    glSamplerParameterf(sampler, GL_TEXTURE_MIN_LOD, 3);  // the font's 1 x 1 level: grey text
    glSamplerParameterf(sampler, GL_TEXTURE_MAX_LOD, 3);
    for (int unit : {0, 1}) {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, textures[unit]);
        const unsigned char blue[] = {0, 0, 255, 255};
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, blue);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_TEXTURE_1D);
        glEnable(GL_TEXTURE_GEN_S);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glBindSampler(unit, sampler);
        glMatrixMode(GL_TEXTURE);
        glScalef(0.5f, 2, 1);
    }
    glMatrixMode(GL_PROJECTION);  // the host's matrix mode
    glClientActiveTexture(GL_TEXTURE1);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    glUseProgram(greenProgram());
}

// With the demo's interface, hover and focus set: drawInterface's pixels are drawFrame's, even
// over a host's state that would change every pixel; the host's state is as it was after; the
// debug lines come only when asked.
TEST_F(HostApi, DrawsTheDemoFramesPixelsAndRestoresTheHostsState) {
    startDemo();
    findElement("mainWindow")->texture = 1;  // drawn first: samples the font, bound at load
    clickAt(middleOf("applyButton"));
    moveTo(middleOf("cancelButton"));
    const auto expected = demoFrame();
    ASSERT_GT(litBox(expected).count, 100000);
    EXPECT_EQ(hostFrame(true), expected);

    const auto withoutLines = hostFrame(false);
    const int debugTop = int(88 / pixelSize);
    const auto bottomRight = [&](const std::vector<unsigned char>& image) {
        return boxWhere(image, [](Color c) {
                   return c == Color{{255, 255, 255, 255}};
               }).bottom > debugTop;
    };
    EXPECT_TRUE(bottomRight(expected));
    EXPECT_FALSE(bottomRight(withoutLines));

    glClear(GL_COLOR_BUFFER_BIT);
    setHostGlState();
    const GlState before = readGlState();
    drawInterface(true);
    const GlState after = readGlState();
    for (const auto& [name, values] : before)
        EXPECT_EQ(after.at(name), values) << name;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glUseProgram(0);
    glFinish();
    EXPECT_EQ(frame(), expected);
}

// A hidden window like the test's with an OpenGL ES context of the given version, current.
GLFWwindow* openEsWindow(int major, int minor) {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    hintWindowFormat();
    glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_ES_API);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, major);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, minor);
    GLFWwindow* es = glfwCreateWindow(kTestWindowWidth, kTestWindowHeight, "", nullptr, nullptr);
    EXPECT_NE(es, nullptr);
    glfwMakeContextCurrent(es);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    return es;
}

// An OpenGL ES 3 host gets the demo's pixels from the shader renderer; a context trellis cannot
// draw in (OpenGL ES 2.0) is refused by initHostGui with a diagnostic that says why, and
// nothing is drawn there.
TEST_F(HostApi, DrawsInOpenGlEs3AndRefusesOpenGlEs2) {
    startDemo();
    const auto expected = hostFrame(false);
    openEsWindow(3, 0);
    glClearColor(0, 0, 0, 1);
    ASSERT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
    EXPECT_EQ(currentRenderer(), Renderer::Shader);
    EXPECT_EQ(hostFrame(false), expected);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // Mesa offers a newer version than asked for unless told otherwise, which it reads when a
    // program first loads the driver: a sanitized build keeps the driver loaded from the start,
    // so only the Release build can ask for an OpenGL ES 2.0 context.
#ifdef TRELLIS_UNDER_ASAN
    GTEST_SKIP() << "the sanitized build keeps the GL driver loaded: no OpenGL ES 2.0 context";
#endif
    glfwTerminate();
    window = nullptr;
    setenv("MESA_GLES_VERSION_OVERRIDE", "2.0", 1);
    ASSERT_TRUE(startGlfw());
    openEsWindow(2, 0);
    unsetenv("MESA_GLES_VERSION_OVERRIDE");
    ASSERT_EQ(std::string(reinterpret_cast<const char*>(glGetString(GL_VERSION)))
                  .rfind("OpenGL ES 2.0", 0),
              0u);
    DiagnosticCollector diagnostics;
    EXPECT_FALSE(initHostGui(kTestWindowWidth, kTestWindowHeight));
    ASSERT_EQ(diagnostics.diagnostics().size(), 1u);
    EXPECT_EQ(diagnostics.diagnostics()[0].message,
              "the interface cannot draw in an OpenGL ES 2.0 context: trellis needs OpenGL ES "
              "3.0 or later");
}

// ---- Events and capture ----------------------------------------------------------------------

// Where the pointer is decides whether the interface wants it; a click is taken only over an
// element, the background's clicks go to the host (focus still moves as before), a held
// button keeps the pointer, and keys are taken only when the focus element consumes them.
TEST_F(HostApi, CaptureAnswersAndTakenEvents) {
    startDemo();
    const auto skinButton = middleOf("skinButton"), background = std::make_pair(500.0, 600.0);
    const std::pair<double, double> places[] = {
        skinButton, middleOf("toolBar"), middleOf("mainWindow"),
        background, {-20, -20},          {5000, 100}};
    const bool wanted[] = {true, true, true, false, false, false};
    for (int i = 0; i < 6; ++i) {
        moveTo(places[i]);
        EXPECT_EQ(interfaceWantsPointer(), wanted[i]) << i;
        EXPECT_EQ(interfaceTookLastEvent(), wanted[i]) << i;
    }

    EXPECT_EQ(clickAt(background), std::make_pair(false, false));
    EXPECT_EQ(focusElement, rootElement);
    EXPECT_FALSE(interfaceTookLastEvent());
    EXPECT_EQ(clickAt(skinButton), std::make_pair(true, true));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(focusElement, findElement("skinButton"));
    EXPECT_TRUE(interfaceTookLastEvent());
    EXPECT_EQ(clickAt(skinButton, 1), std::make_pair(true, true));     // other buttons alike
    EXPECT_EQ(clickAt(skinButton, 12), std::make_pair(false, false));  // past the routed ones

    // Pressed on the button, dragged off: held, taken on release, no click.
    EXPECT_TRUE(hostMouseButton(0, GLFW_PRESS));
    moveTo(background);
    EXPECT_TRUE(interfaceWantsPointer());
    EXPECT_TRUE(hostMouseButton(0, GLFW_RELEASE));
    EXPECT_FALSE(interfaceWantsPointer());
    // Pressed on the background, released over the button: the host's, no click.
    EXPECT_FALSE(hostMouseButton(0, GLFW_PRESS));
    moveTo(skinButton);
    EXPECT_FALSE(hostMouseButton(0, GLFW_RELEASE));
    EXPECT_EQ(clicks, 1);

    hostCursorEnter(window, 0);
    EXPECT_FALSE(interfaceWantsPointer());
    EXPECT_EQ(hoveredElement, nullptr);

    // Keys: a button does not consume them; an element that does takes press, repeat, release.
    EXPECT_FALSE(hostKey(GLFW_KEY_A, GLFW_PRESS));
    new KeyTaker(rootElement, 110, 80);
    EXPECT_EQ(clickAt(middleOf("keyTaker")), std::make_pair(true, true));
    for (int action : {GLFW_PRESS, GLFW_REPEAT, GLFW_RELEASE})
        EXPECT_TRUE(hostKey(GLFW_KEY_A, action)) << action;
    clickAt(background);
    EXPECT_FALSE(hostKey(GLFW_KEY_A, GLFW_PRESS));
    EXPECT_FALSE(interfaceTookLastEvent());
}

// Window coordinates become pixels by the window-to-framebuffer ratio: from the window itself,
// or, without one (a null window or none at all), from the sizes the host gave.
TEST_F(HostApi, CursorPositionsScaleFromWindowToFramebuffer) {
    startDemo();
    const auto [x, y] = middleOf("skinButton");
    hostWindowSize(kTestWindowWidth / 2, kTestWindowHeight / 2);
    const struct {
        GLFWwindow* window;
        double x, y;
    } cases[] = {{nullptr, x / 2, y / 2}, {window, x, y}, {nullptr, x, y}};
    const int expectedX[] = {int(x), int(x), int(2 * x)};
    for (int i = 0; i < 3; ++i) {
        hostCursorPos(cases[i].window, cases[i].x, cases[i].y);
        EXPECT_FLOAT_EQ(pointerX, expectedX[i] * pixelSize) << i;
        EXPECT_EQ(hoveredElement == findElement("skinButton"), i < 2) << i;
    }
    // Without a window, as a host on another window library calls it: the sizes given.
    hostCursorPos(x / 2, y / 2);
    EXPECT_FLOAT_EQ(pointerX, int(x) * pixelSize);
    EXPECT_EQ(hoveredElement, findElement("skinButton"));
}

// ---- Loading and removal ---------------------------------------------------------------------

// Loaders say whether they loaded; nothing is built (no element, no name, no skin section) before
// start-up or from a missing, folder, malformed or element-less file, and start-up refuses
// without a context or a size.
TEST_F(HostApi, LoadersReportFailuresAndBuildNothing) {
    pixelSize = 0;  // a fresh process: nothing has fixed the units
    const std::string malformed = files.write("bad.xml", "<window name='w'><button");
    EXPECT_FALSE(loadDialogue(kDemoDialogue.c_str()));
    const LoadedDialogue early = loadDialogueFile(kDemoDialogue.c_str());
    EXPECT_TRUE(!early.loaded && early.elements.empty());
    EXPECT_TRUE(elementRegistry.empty());
    drawInterface();  // nothing to draw, nothing to break

    EXPECT_FALSE(initHostGui(0, 768));
    EXPECT_FALSE(initHostGui(1024, -1));
    glfwMakeContextCurrent(nullptr);
    EXPECT_FALSE(initHostGui(1024, 768));
    EXPECT_FALSE(loadFont(fontPath.c_str()));
    glfwMakeContextCurrent(window);
    EXPECT_EQ(rootElement, nullptr);

    ASSERT_TRUE(initHostGui(1024, 768));
    GuiElement* root = rootElement;
    EXPECT_TRUE(initHostGui(1024, 768));
    EXPECT_EQ(rootElement, root);
    for (const std::string& path :
         {std::string("/no/such/file.xml"), malformed, files.path(""),
          files.write("unclosed.xml", "<window name='w'><button name='b'></window>"),
          files.write("empty.xml", ""), files.write("text.xml", "hello <window name='w'/>")}) {
        const LoadedDialogue bad = loadDialogueFile(path.c_str());
        EXPECT_TRUE(!bad.loaded && bad.elements.empty()) << path;
        EXPECT_FALSE(loadSkin("default", path.c_str())) << path;
        EXPECT_FALSE(loadFont(path.c_str())) << path;
    }
    EXPECT_FALSE(loadDialogueFile(nullptr).loaded);
    EXPECT_FALSE(loadFont(nullptr));
    EXPECT_FALSE(loadSkin("no such skin", kDemoSkin.c_str()));
    EXPECT_TRUE(rootElement->children.empty());
    EXPECT_TRUE(skinStore.empty());
    EXPECT_EQ(elementRegistry.size(), 1u) << "only the root";
}

// A second font load deletes the first font's texture; failed loads keep the font.
TEST_F(HostApi, FontReloadDeletesTheOldTexture) {
    ASSERT_TRUE(loadFont(fontPath.c_str()));
    const GLuint first = textureName;
    EXPECT_TRUE(glIsTexture(first));
    ASSERT_TRUE(loadFont(fontPath.c_str()));
    EXPECT_NE(textureName, first);
    EXPECT_FALSE(glIsTexture(first));
    EXPECT_TRUE(glIsTexture(textureName));
    const GLuint second = textureName;
    EXPECT_FALSE(loadFont(files.write("short.glf", "GLF").c_str()));
    EXPECT_TRUE(fontLoaded && textureName == second && glIsTexture(second));
}

// Top-level elements are reported in file order, under the parent given.
TEST_F(HostApi, LoadUnderAParentReportsTheTopLevelElements) {
    ASSERT_TRUE(initHostGui(1024, 768));
    GuiElement* holder = new GuiElement("holder", rootElement, 1, 1, 50, 50);
    const LoadedDialogue loaded = loadDialogueFile(
        files
            .write("small.xml", "<window name='a'><button name='b'/></window><other/>"
                                "<button name='c'><button name='d'/></button>")
            .c_str(),
        holder);
    ASSERT_TRUE(loaded.loaded);
    EXPECT_EQ(loaded.elements, (std::vector{findElement("a"), findElement("c")}));
    EXPECT_EQ(findElement("b")->parent, findElement("a"));
    EXPECT_EQ(findElement("a")->parent, holder);
    EXPECT_EQ(findElement("d")->parent, findElement("c"));
}

// Destroying a dialogue takes every name and routing reference into it; the same file loads
// again under the same names; a dialogue may destroy itself from its own click callback; parts
// destroyed alone leave their holders sound.
TEST_F(HostApi, DestroyAndReloadByName) {
    LoadedDialogue loaded = startDemo();
    ASSERT_EQ(loaded.elements.size(), 3u);
    const size_t names = elementRegistry.size();
    GuiElement* oldButton = findElement("skinButton");
    moveTo(middleOf("skinButton"));
    hostMouseButton(0, GLFW_PRESS);
    hostMouseButton(2, GLFW_PRESS);
    ASSERT_EQ(focusElement, oldButton);
    destroyDialogue(loaded);
    EXPECT_TRUE(!loaded.loaded && loaded.elements.empty());
    EXPECT_EQ(std::vector({hoveredElement, focusElement, pressedElements[0], pressedElements[2]}),
              std::vector<GuiElement*>(4, nullptr));
    EXPECT_EQ(elementRegistry.size(), 1u);  // the root alone
    EXPECT_TRUE(rootElement->children.empty());
    hostMouseButton(0, GLFW_RELEASE);
    hostMouseButton(2, GLFW_RELEASE);

    loaded = loadDialogueFile(kDemoDialogue.c_str());
    EXPECT_EQ(elementRegistry.size(), names);
    EXPECT_EQ(clickAt(middleOf("skinButton")), std::make_pair(true, true));
    EXPECT_EQ(clicks, 1);

    // The dialogue's own button destroys it on click.
    static LoadedDialogue* toDestroy = nullptr;
    toDestroy = &loaded;
    static int receiver;
    registerCallback(
        "changeSkin", [](void*, CallbackSender*) { destroyDialogue(*toDestroy); }, &receiver);
    destroyDialogue(loaded);
    loaded = loadDialogueFile(kDemoDialogue.c_str());
    EXPECT_EQ(clickAt(middleOf("skinButton")), std::make_pair(true, true));
    EXPECT_EQ(findElement("skinButton"), nullptr);
    EXPECT_FALSE(interfaceWantsPointer());

    // A window without its title bar, a title bar without its close button.
    loaded = loadDialogueFile(kDemoDialogue.c_str());
    auto* window = static_cast<Window*>(findElement("displayWindow"));
    GuiElement* main = findElement("mainWindow");
    destroyElement(window->titleBar->children.front());
    destroyElement(window->titleBar);
    EXPECT_EQ(window->titleBar, nullptr);
    window->setRect(1, 1, 20, 20);
    destroyElement(window);
    EXPECT_EQ(findElement("syncButton"), nullptr);
    EXPECT_EQ(main->children.size(), 6u);  // title bar and five buttons
    destroyElement(nullptr);

    // Parts destroyed before the dialogue, alone or with the root, are not destroyed twice.
    destroyElement(main);
    destroyDialogue(loaded);
    EXPECT_EQ(elementRegistry.size(), 1u);
    loaded = loadDialogueFile(kDemoDialogue.c_str());
    destroyElement(rootElement);
    destroyDialogue(loaded);
    EXPECT_EQ(rootElement, nullptr);
    EXPECT_TRUE(elementRegistry.empty());
}

// ---- Resizing --------------------------------------------------------------------------------

// A framebuffer grown from 800 x 600 to the window's 1024 x 768: kept at its pixel size at the
// top-left, rescaled to 100 units high, or laid out again at its pixel size, where a window
// placed from the bottom-right corner follows it, 2 units (12 pixels) in from both edges; clicks
// land where the pixels are. The host's viewport is never touched, and a minimised size is
// ignored.
TEST_F(HostApi, ResizeKeepsThePixelSizeOrTheHeight) {
    const std::string probe =
        files.write("probe.xml", "<window name='probe' border='0' x='10' y='20' width='30' "
                                 "height='10' bgColor='ff0000ff'/>"
                                 "<window name='corner' x='100% - 12' y='100% - 5' width='10' "
                                 "height='3' border='0' bgColor='00ff00ff'/>");
    const Color red{{255, 0, 0, 255}}, green{{0, 255, 0, 255}};
    ASSERT_TRUE(loadFont(fontPath.c_str()));
    // 6 pixels a unit, then 7.68: the 60, 120, 180 and 60 pixels re-snap to 77, 154, 230 and 77
    // (drawn unsnapped, the bottom edge at 230.4 would lose a row).
    const MatchedBox kept = solidBox(60, 120, 60 + 180, 120 + 60);
    const MatchedBox rescaled = solidBox(77, 154, 77 + 230, 154 + 77);
    const struct {
        HostResize mode;
        MatchedBox probe, corner;
    } cases[] = {
        {HostResize::KeepPixelSize, kept, solidBox(800 - 72, 600 - 30, 800 - 12, 600 - 12)},
        {HostResize::KeepHeight, rescaled, solidBox(932, 730, 932 + 77, 730 + 23)},
        {HostResize::Relayout, kept, solidBox(1024 - 72, 768 - 30, 1024 - 12, 768 - 12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mode));
        setHostResize(c.mode);
        ASSERT_TRUE(initHostGui(800, 600));
        ASSERT_TRUE(loadDialogueFile(probe.c_str()).loaded);
        glViewport(5, 6, 7, 8);
        hostFramebufferSize(1024, 768);
        hostFramebufferSize(0, 0);
        GLint hostViewport[4];
        glGetIntegerv(GL_VIEWPORT, hostViewport);
        EXPECT_EQ(std::vector(hostViewport, hostViewport + 4), (std::vector{5, 6, 7, 8}));
        const auto drawn = hostFrame(false);
        EXPECT_EQ(boxOf(drawn, red), c.probe);
        EXPECT_EQ(boxOf(drawn, green), c.corner);
        for (const MatchedBox& box : {c.probe, c.corner}) {
            const double middleX = (box.left + box.right) / 2.0;
            const double middleY = (box.top + box.bottom) / 2.0;
            EXPECT_EQ(clickAt({middleX, middleY}), std::make_pair(true, true)) << box;
        }
        EXPECT_EQ(clickAt({c.probe.right + 2.0, (c.probe.top + c.probe.bottom) / 2.0}),
                  std::make_pair(false, false));
        EXPECT_EQ(titleBarHeight, snapToPixel(kTitleBarHeightUnits));
        destroyElement(rootElement);
    }
}
