// Firing a callback.
#include "trellis/gui/Callback.h"

namespace trellis {

void Callback::fire(CallbackSender* sender) const {
    if (handler)
        (*handler)(sender);
    else if (receiver && function)
        function(receiver, sender);
}

Callback callbackOf(CallbackHandler handler) {
    Callback callback;
    if (handler)
        callback.handler = std::make_shared<const CallbackHandler>(std::move(handler));
    return callback;
}

}  // namespace trellis
