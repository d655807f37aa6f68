// The host API's GLFWwindow* conveniences (in trellis-glfw): pointer events scaled by the
// window's own sizes.
#include "HostState.h"

#include <GLFW/glfw3.h>

namespace trellis {

void hostCursorPos(GLFWwindow* window, double x, double y) {
    if (!window) {
        hostCursorPos(x, y);
        return;
    }
    int windowWidth = 0, windowHeight = 0, framebufferWidth = 0, framebufferHeight = 0;
    glfwGetWindowSize(window, &windowWidth, &windowHeight);
    glfwGetFramebufferSize(window, &framebufferWidth, &framebufferHeight);
    routeHostPointer(x, y, windowWidth, windowHeight, framebufferWidth, framebufferHeight);
}

void hostCursorEnter(GLFWwindow*, int entered) {
    hostCursorEnter(entered != 0);
}

}  // namespace trellis
