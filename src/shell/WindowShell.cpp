// The window shell on GLFW 3.
#include "trellis/shell/WindowShell.h"

#include "WindowClipboard.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/Tooltip.h"

#include <GLFW/glfw3.h>
#include <cstdlib>
#include <string>

namespace trellis {

// The elements read keys by the library's own numbers.
static_assert(kKeySpace == GLFW_KEY_SPACE && kKeyEnter == GLFW_KEY_ENTER &&
              kKeyTab == GLFW_KEY_TAB && kKeyBackspace == GLFW_KEY_BACKSPACE &&
              kKeyDelete == GLFW_KEY_DELETE && kKeyRight == GLFW_KEY_RIGHT &&
              kKeyLeft == GLFW_KEY_LEFT && kKeyDown == GLFW_KEY_DOWN && kKeyUp == GLFW_KEY_UP &&
              kKeyHome == GLFW_KEY_HOME && kKeyEnd == GLFW_KEY_END &&
              kKeyLeftShift == GLFW_KEY_LEFT_SHIFT && kKeyRightSuper == GLFW_KEY_RIGHT_SUPER &&
              kModShift == GLFW_MOD_SHIFT && kModControl == GLFW_MOD_CONTROL &&
              kModAlt == GLFW_MOD_ALT && kModSuper == GLFW_MOD_SUPER);

namespace {

GLFWwindow* window = nullptr;
InputHook mousePosHandler = nullptr;
InputHook mouseButtonHandler = nullptr;
InputHook keyHandler = nullptr;
CharHook charHandler = nullptr;
ScrollHook scrollHandler = nullptr;
InputHook framebufferSizeHandler = nullptr;
std::string openError;  // the library's first complaint during openWindow
int lastPointerX = 0, lastPointerY = 0;
int windowWidth = 1, windowHeight = 1;
int framebufferWidth = 1, framebufferHeight = 1;

void onCursorPos(GLFWwindow*, double cursorX, double cursorY) {
    cursorToPixels(cursorX, cursorY, windowWidth, windowHeight, framebufferWidth, framebufferHeight,
                   lastPointerX, lastPointerY);
    if (mousePosHandler)
        mousePosHandler(lastPointerX, lastPointerY);
}

void onMouseButtonEvent(GLFWwindow*, int button, int action, int) {
    if (mouseButtonHandler)
        mouseButtonHandler(button, action);
}

void onKeyEvent(GLFWwindow*, int key, int, int action, int mods) {
    // The library's modifier state before this key; the routing adds or drops the key itself.
    heldModifiers = mods & (kModShift | kModControl | kModAlt | kModSuper);
    // A held key repeats as presses, as typed characters do: Backspace goes on deleting.
    if (keyHandler)
        keyHandler(key, action == GLFW_REPEAT ? GLFW_PRESS : action);
}

void onCharInput(GLFWwindow*, unsigned int codepoint) {
    if (charHandler)
        charHandler(codepoint);
}

void onScrollInput(GLFWwindow*, double dx, double dy) {
    if (scrollHandler)
        scrollHandler(dx, dy);
}

void onWindowSize(GLFWwindow*, int width, int height) {
    windowWidth = width;
    windowHeight = height;
}

void onFramebufferSize(GLFWwindow*, int width, int height) {
    framebufferWidth = width;
    framebufferHeight = height;
    if (framebufferSizeHandler)
        framebufferSizeHandler(width, height);
}

// The first error explains a failure best; the ones after it are usually its consequences.
void onLibraryError(int, const char* text) {
    if (openError.empty())
        openError = text && *text ? text : "unknown window library error";
}

// Leaves no window behind a failed openWindow, with a reason for windowError.
bool failToOpen(const char* fallbackReason) {
    glfwSetErrorCallback(nullptr);
    if (window)
        glfwDestroyWindow(window);
    window = nullptr;
    if (openError.empty())
        openError = fallbackReason;
    return false;
}

}  // namespace

void hintWindowFormat() {
    glfwWindowHint(GLFW_RED_BITS, 8);
    glfwWindowHint(GLFW_GREEN_BITS, 8);
    glfwWindowHint(GLFW_BLUE_BITS, 8);
    glfwWindowHint(GLFW_ALPHA_BITS, 8);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
}

bool openWindow() {
    openError.clear();
    glfwSetErrorCallback(onLibraryError);
    if (!glfwInit())
        return failToOpen("the window library did not start");
    // The library closes its windows at exit, as the older interface did by itself.
    std::atexit(glfwTerminate);
    hintWindowFormat();
    window = glfwCreateWindow(1024, 768, "", nullptr, nullptr);
    if (!window)
        return failToOpen("the window could not be created");
    glfwMakeContextCurrent(window);
    if (glfwGetCurrentContext() != window)
        return failToOpen("the window's OpenGL context could not be made current");
    // Complaints the library recovered from are no failure; later ones are not ours to keep.
    glfwSetErrorCallback(nullptr);
    openError.clear();
    glfwGetWindowSize(window, &windowWidth, &windowHeight);
    glfwGetFramebufferSize(window, &framebufferWidth, &framebufferHeight);
    glfwSetWindowSizeCallback(window, onWindowSize);
    glfwSetFramebufferSizeCallback(window, onFramebufferSize);
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetMouseButtonCallback(window, onMouseButtonEvent);
    glfwSetKeyCallback(window, onKeyEvent);
    glfwSetCharCallback(window, onCharInput);
    glfwSetScrollCallback(window, onScrollInput);
    useWindowClipboard();
    return true;
}

const char* windowError() {
    return openError.c_str();
}

void setMousePosHandler(InputHook handler) {
    mousePosHandler = handler;
    if (handler)
        handler(lastPointerX, lastPointerY);
}

void setMouseButtonHandler(InputHook handler) {
    mouseButtonHandler = handler;
}

void setKeyHandler(InputHook handler) {
    keyHandler = handler;
}

void setCharHandler(CharHook handler) {
    charHandler = handler;
}

void setScrollHandler(ScrollHook handler) {
    scrollHandler = handler;
}

void setFramebufferSizeHandler(InputHook handler) {
    framebufferSizeHandler = handler;
}

bool windowIsOpen() {
    return window && !glfwWindowShouldClose(window);
}

void swapBuffers() {
    if (!window)
        return;
    glfwPollEvents();
    // The frame clock: a tooltip shows once the pointer has rested long enough.
    updateTooltip(glfwGetTime());
    glfwSwapBuffers(window);
}

}  // namespace trellis
