// Which modifier a key is.
#include "trellis/gui/KeyCodes.h"

namespace trellis {

int modifierBitOf(int key) {
    switch (key) {
    case kKeyLeftShift:
    case kKeyRightShift:
        return kModShift;
    case kKeyLeftControl:
    case kKeyRightControl:
        return kModControl;
    case kKeyLeftAlt:
    case kKeyRightAlt:
        return kModAlt;
    case kKeyLeftSuper:
    case kKeyRightSuper:
        return kModSuper;
    default:
        return 0;
    }
}

}  // namespace trellis
