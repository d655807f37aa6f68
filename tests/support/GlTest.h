// Test support: a hidden GLFW window with the demo's pixel format for GL tests, pixel
// read-back in top-down window coordinates, and screen units without a window.
#pragma once

#include "trellis/render/Renderer.h"
#include "trellis/style/Color.h"

#include <gtest/gtest.h>
#include <vector>

struct GLFWwindow;

namespace trellis {

class GuiElement;

constexpr int kTestWindowWidth = 1024;  // the demo's window size
constexpr int kTestWindowHeight = 768;

// Sets the screen units as start-up does for a viewport of the given size, without GL.
void useScreenUnits(int viewportWidth = kTestWindowWidth, int viewportHeight = kTestWindowHeight);

// Starts GLFW on the X display, trying again briefly when the connection is refused.
bool startGlfw();

// Opens a hidden 1024 x 768 window with the demo's pixel format (and stencilBits), a
// compatibility context or an OpenGL 3.3 core one, and makes it current with a clear colour of
// opaque black and rows packed tightly; null when it cannot.
GLFWwindow* openTestWindow(bool core, int stencilBits = 0);

// A fixture with a hidden 1024 x 768 window whose context is current, screen units fixed
// from its viewport, and the back buffer cleared to opaque black. The context is a
// compatibility one unless a subclass asks for an OpenGL 3.3 core profile before SetUp.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clears colour and depth and sets the screen-unit projection.
    void beginFrame();
    // Restores the matrices and waits for drawing to finish.
    void endFrame();
    // The colour of pixel (x, y), y counted from the top of the window.
    Color pixel(int x, int y) const;
    // The whole back buffer as RGBA rows from the top.
    std::vector<unsigned char> frame() const;
    // The frame the tree under root draws by itself (drawTree), read back.
    std::vector<unsigned char> drawnTree(GuiElement* root);
    // The frame the tree under root draws, without the debug lines, by renderer (which stays
    // chosen), read back.
    std::vector<unsigned char> renderedBy(GuiElement* root, Renderer renderer);

    GLFWwindow* window = nullptr;
    bool coreProfile = false;  // set before SetUp: a forward-compatible 3.3 core context
    int stencilBits = 0;       // set before SetUp: the demo window has none
};

// Prints a Color as r, g, b, a in test failure messages.
void PrintTo(const Color& color, std::ostream* out);

}  // namespace trellis
