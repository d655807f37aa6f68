// Firing a callback.
#include "trellis/gui/Callback.h"

namespace trellis {

void Callback::fire(CallbackSender* sender) const {
    if (receiver && function)
        function(receiver, sender);
}

}  // namespace trellis
