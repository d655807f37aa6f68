// The host API's drawing, inside the host's own GL state.
#include "trellis/shell/Host.h"

namespace trellis {

void drawInterface(bool) {}

}  // namespace trellis
