// Tests for the window shell over GLFW 3: cursor positions scaled to framebuffer pixels, the
// pointer handler's report at installation, and the adapters behind the installed callbacks.
#include "app/WindowShell.h"
#include "app/GuiShell.h"
#include "gui/GuiElement.h"
#include "gui/GuiRoot.h"
#include "support/GlTest.h"

#include <GLFW/glfw3.h>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using Reports = std::vector<std::pair<int, int>>;

Reports reports;  // what the installed handler heard

void recordReport(int a, int b) {
    reports.emplace_back(a, b);
}

// Cursor coordinates times the framebuffer-to-window ratio, truncated toward zero; values past
// int saturate, and a window without a size leaves the coordinates unscaled.
TEST(CursorToPixels, ScalesByFramebufferRatioAndTruncates) {
    const double inf = INFINITY;
    const struct {
        double cursorX, cursorY;
        int windowWidth, windowHeight, framebufferWidth, framebufferHeight;
        int pixelX, pixelY;
    } cases[] = {
        {100.7, 200.2, 1024, 768, 1024, 768, 100, 200},          // ratio 1
        {100.7, 200.2, 1024, 768, 2048, 1536, 201, 400},         // ratio 2
        {101, 33.4, 800, 600, 1200, 900, 151, 50},               // ratio 1.5
        {100.5, 100.5, 1024, 768, 1536, 768, 150, 100},          // ratio per axis
        {1023.999, 767.999, 1024, 768, 1024, 768, 1023, 767},    // last pixel
        {-10.7, -0.3, 1024, 768, 2048, 1536, -21, 0},            // left of and above the window
        {1e12, -1e12, 1024, 768, 2048, 1536, INT_MAX, INT_MIN},  // far outside
        {inf, -inf, 1024, 768, 1024, 768, INT_MAX, INT_MIN},     // saturated, not undefined
        {NAN, 5.5, 1024, 768, 1024, 768, 0, 5},                  // not a position at all
        {50.5, 60.5, 0, 0, 0, 0, 50, 60},                        // iconified: no size
    };
    for (const auto& c : cases) {
        int x = -999, y = -999;
        cursorToPixels(c.cursorX, c.cursorY, c.windowWidth, c.windowHeight, c.framebufferWidth,
                       c.framebufferHeight, x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.pixelX, c.pixelY))
            << "cursor " << c.cursorX << ", " << c.cursorY << " window " << c.windowWidth << "x"
            << c.windowHeight << " framebuffer " << c.framebufferWidth << "x"
            << c.framebufferHeight;
    }
}

// Before any window event the pointer handler hears (0, 0) as soon as it is installed, so
// start-up settles the hovered element before the first frame; no window is needed for it.
TEST(WindowShell, InstallingPointerHandlerReportsOriginAtOnce) {
    setMousePosHandler(recordReport);
    EXPECT_EQ(reports, (Reports{{0, 0}}));
    setMousePosHandler(nullptr);
    EXPECT_EQ(reports, (Reports{{0, 0}}));

    useScreenUnits();
    rootElement = new GuiRoot();
    GuiElement* corner = new GuiElement("Corner", rootElement, -1, -1, 2, 2);
    setMousePosHandler(onMousePos);
    EXPECT_EQ(pointerX, 0.0f);
    EXPECT_EQ(pointerY, 0.0f);
    EXPECT_EQ(hoveredElement, corner) << "an element strictly containing the corner";
    delete corner;
    setMousePosHandler(onMousePos);
    EXPECT_EQ(hoveredElement, rootElement);
    delete rootElement;
    rootElement = nullptr;
}

// The GLFW callbacks that openWindow installs, called as GLFW would call them: cursor
// positions scaled with the framebuffer's current size, the last position reported again to
// a newly installed handler, buttons passed on, and key repeats dropped.
TEST(WindowShell, AdaptsTheInstalledCallbacks) {
    openWindow();
    GLFWwindow* window = glfwGetCurrentContext();
    ASSERT_NE(window, nullptr) << "no window: run the tests through scripts/test.sh";
    EXPECT_TRUE(windowIsOpen());
    // GLFW hands back the previous callback when another is set; put each back at once.
    const GLFWcursorposfun cursorPos = glfwSetCursorPosCallback(window, nullptr);
    glfwSetCursorPosCallback(window, cursorPos);
    const GLFWframebuffersizefun framebufferSize = glfwSetFramebufferSizeCallback(window, nullptr);
    glfwSetFramebufferSizeCallback(window, framebufferSize);
    const GLFWmousebuttonfun mouseButton = glfwSetMouseButtonCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, mouseButton);
    const GLFWkeyfun key = glfwSetKeyCallback(window, nullptr);
    glfwSetKeyCallback(window, key);
    ASSERT_TRUE(cursorPos && framebufferSize && mouseButton && key);

    setMousePosHandler(recordReport);
    cursorPos(window, 10.9, 20.2);
    framebufferSize(window, 2048, 1536);  // as when the window moves to a high-density screen
    cursorPos(window, 10.9, 20.2);
    cursorPos(window, -3.5, 900.0);
    EXPECT_EQ(reports, (Reports{{0, 0}, {10, 20}, {21, 40}, {-7, 1800}}));
    reports.clear();
    setMousePosHandler(recordReport);
    EXPECT_EQ(reports, (Reports{{-7, 1800}})) << "the last known position";

    reports.clear();
    setMouseButtonHandler(recordReport);
    mouseButton(window, GLFW_MOUSE_BUTTON_MIDDLE, GLFW_PRESS, 0);
    mouseButton(window, GLFW_MOUSE_BUTTON_MIDDLE, GLFW_RELEASE, GLFW_MOD_SHIFT);
    EXPECT_EQ(reports, (Reports{{2, 1}, {2, 0}}));

    reports.clear();
    setKeyHandler(recordReport);
    key(window, GLFW_KEY_A, 38, GLFW_PRESS, 0);
    key(window, GLFW_KEY_A, 38, GLFW_REPEAT, 0);
    key(window, GLFW_KEY_A, 38, GLFW_REPEAT, 0);
    key(window, GLFW_KEY_A, 38, GLFW_RELEASE, 0);
    EXPECT_EQ(reports, (Reports{{GLFW_KEY_A, 1}, {GLFW_KEY_A, 0}}));
}

}  // namespace
