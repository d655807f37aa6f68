// The hidden-window GL fixture and screen units for tests.
#include "support/GlTest.h"

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/shell/WindowShell.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <chrono>
#include <ostream>
#include <string>
#include <thread>

namespace trellis {

void useScreenUnits(int viewportWidth, int viewportHeight) {
    fixScreenUnitsFor(viewportWidth, viewportHeight);
}

namespace {

std::string lastGlfwError;

}  // namespace

// Connects to the X server, trying again briefly: a connection has once been refused while
// other test processes were connecting and leaving at the same moment.
bool startGlfw() {
    glfwSetErrorCallback(
        [](int code, const char* text) { lastGlfwError = std::to_string(code) + ": " + text; });
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (glfwInit())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

GLFWwindow* openTestWindow(bool core, int stencilBits) {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    hintWindowFormat();
    glfwWindowHint(GLFW_STENCIL_BITS, stencilBits);
    if (core) {
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
        glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
        glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    }
    GLFWwindow* opened =
        glfwCreateWindow(kTestWindowWidth, kTestWindowHeight, "", nullptr, nullptr);
    if (opened) {
        glfwMakeContextCurrent(opened);
        glClearColor(0, 0, 0, 1);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }
    return opened;
}

void GlTest::SetUp() {
    ASSERT_TRUE(startGlfw()) << "no X display (GLFW error " << lastGlfwError
                             << "): run the tests through scripts/test.sh";
    window = openTestWindow(coreProfile, stencilBits);
    ASSERT_NE(window, nullptr);
    glReadBuffer(GL_BACK);
    titleBarHeight = 2.5f;
    borderWidth = 0.4f;
    fixScreenUnits();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GlTest::TearDown() {
    if (window)
        glfwDestroyWindow(window);
    glfwTerminate();
}

void GlTest::beginFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    beginScreenProjection();
}

void GlTest::endFrame() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glFinish();
}

Color GlTest::pixel(int x, int y) const {
    Color c{};
    glReadPixels(x, kTestWindowHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c.rgba);
    return c;
}

std::vector<unsigned char> GlTest::frame() const {
    const size_t row = size_t(kTestWindowWidth) * 4;
    std::vector<unsigned char> bottomUp(row * kTestWindowHeight), topDown(bottomUp.size());
    glReadPixels(0, 0, kTestWindowWidth, kTestWindowHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                 bottomUp.data());
    for (int y = 0; y < kTestWindowHeight; ++y)
        std::copy_n(bottomUp.begin() + row * (kTestWindowHeight - 1 - y), row,
                    topDown.begin() + row * y);
    return topDown;
}

std::vector<unsigned char> GlTest::drawnTree(GuiElement* root) {
    beginFrame();
    root->drawTree();
    endFrame();
    return frame();
}

std::vector<unsigned char> GlTest::renderedBy(GuiElement* root, Renderer renderer) {
    setRenderer(renderer);
    beginFrame();
    renderTree(root, false);
    endFrame();
    return frame();
}

void PrintTo(const Color& color, std::ostream* out) {
    *out << "(" << int(color.red()) << ", " << int(color.green()) << ", " << int(color.blue())
         << ", " << int(color.alpha()) << ")";
}

}  // namespace trellis
