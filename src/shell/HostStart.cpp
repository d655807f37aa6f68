// The host API's start-up, resizing and shared state.
#include "trellis/shell/Host.h"

namespace trellis {

bool initHostGui(int, int) {
    return false;
}

void setHostResize(HostResize) {}

void hostFramebufferSize(int, int) {}

void hostWindowSize(int, int) {}

}  // namespace trellis
