// The host API's events and capture queries.
#include "trellis/shell/Host.h"

namespace trellis {

void hostCursorPos(GLFWwindow*, double, double) {}

void hostCursorEnter(GLFWwindow*, int) {}

bool hostMouseButton(int, int) {
    return false;
}

bool hostKey(int, int) {
    return false;
}

bool interfaceWantsPointer() {
    return false;
}

bool interfaceTookLastEvent() {
    return false;
}

}  // namespace trellis
