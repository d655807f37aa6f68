// The interface's clipboard on GLFW's: the window is the one whose context is current, which
// is the demo's own window, or the host's while it forwards its events. Part of trellis-glfw,
// which hands initHostGui the connection when it is linked.
#include "WindowClipboard.h"

#include "HostState.h"
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

// Hands the connection to initHostGui as the program starts (connectWindowClipboard is
// constant-initialised, so it is there before any initialiser runs). Its name is in trellis-glfw's
// link flags (-u), so that a static link takes this file even into a GLFW host that calls nothing
// else of trellis-glfw.
extern "C" const bool trellis_glfw_clipboard =
    (trellis::connectWindowClipboard = trellis::useWindowClipboard, true);
