// The named callback table's two operations.
#include "trellis/gui/CallbackTable.h"

namespace trellis {

void registerCallback(const char* name, CallbackFunction function, void* receiver) {
    Callback& entry = callbackTable[name ? name : ""];
    entry = Callback();
    entry.function = function;
    entry.receiver = receiver;
}

void registerCallback(const char* name, CallbackHandler handler) {
    callbackTable[name ? name : ""] = callbackOf(std::move(handler));
}

bool bindCallback(const char* name, Callback& slot) {
    if (!name)
        return false;
    auto found = callbackTable.find(name);
    if (found == callbackTable.end())
        return false;
    slot = found->second;
    return true;
}

}  // namespace trellis
