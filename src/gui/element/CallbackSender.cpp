// The callback sender's one virtual operation, defined here so that its vtable and type
// information live in the library once.
#include "trellis/gui/CallbackSender.h"

namespace trellis {

void CallbackSender::reservedHook() {}

}  // namespace trellis
