// Tests for the window shell over GLFW 3, through the callbacks it installs in its window.
#include "trellis/shell/WindowShell.h"
#include "support/GlTest.h"

#include <GLFW/glfw3.h>
#include <climits>
#include <cmath>

using namespace trellis;

static std::vector<std::pair<int, int>> reports;  // what the installed handlers heard

// Cursor positions at once, then scaled per axis to framebuffer pixels, truncated, saturated;
// a held key's repeat comes as another press.
TEST(WindowShell, ReportsCursorInFramebufferPixelsAndKeyRepeatsAsPresses) {
    openWindow();
    GLFWwindow* window = glfwGetCurrentContext();
    ASSERT_NE(window, nullptr) << "no window: run the tests under an X server";
    const InputHook record = [](int a, int b) { reports.emplace_back(a, b); };
    setMousePosHandler(record);
    const auto cursorPos = glfwSetCursorPosCallback(window, nullptr);
    cursorPos(window, 100.7, 200.2);
    glfwSetFramebufferSizeCallback(window, nullptr)(window, 2048, 1152);  // to a denser screen
    cursorPos(window, -10.7, 900.9);
    cursorPos(window, NAN, -INFINITY);
    cursorPos(window, 1e12, 5.5);
    glfwSetWindowSizeCallback(window, nullptr)(window, 0, 0);  // iconified
    cursorPos(window, 50.5, 60.5);
    setKeyHandler(record);
    const auto key = glfwSetKeyCallback(window, nullptr);
    for (int action : {GLFW_PRESS, GLFW_REPEAT, GLFW_RELEASE})
        key(window, GLFW_KEY_A, 38, action, 0);
    const decltype(reports) expected = {{0, 0},       {100, 200},   {-21, 1351},
                                        {0, INT_MIN}, {INT_MAX, 8}, {50, 60},
                                        {'A', 1},     {'A', 1},     {'A', 0}};
    EXPECT_EQ(reports, expected);
}
