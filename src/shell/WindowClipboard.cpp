// The interface's clipboard on GLFW's: the window is the one whose context is current, which
// is the demo's own window, or the host's while it forwards its events.
#include "WindowClipboard.h"

#include "trellis/gui/Clipboard.h"

#include <GLFW/glfw3.h>
#include <string>

namespace trellis {

namespace {

std::string readWindowClipboard() {
    GLFWwindow* window = glfwGetCurrentContext();
    const char* text = window ? glfwGetClipboardString(window) : nullptr;
    return text ? text : "";
}

void writeWindowClipboard(const std::string& text) {
    if (GLFWwindow* window = glfwGetCurrentContext())
        glfwSetClipboardString(window, text.c_str());
}

}  // namespace

void useWindowClipboard() {
    if (glfwGetCurrentContext())
        setClipboardHooks(readWindowClipboard, writeWindowClipboard);
}

}  // namespace trellis
