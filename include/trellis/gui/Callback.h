// Callback: a function and the receiver it runs for, fired by elements.
#pragma once

namespace trellis {

class CallbackSender;

// The signature of every callback: the receiver it was registered with, and the sender.
using CallbackFunction = void (*)(void* receiver, CallbackSender* sender);

// A (function, receiver) pair; empty when both are null.
struct Callback {
    CallbackFunction function = nullptr;  // what to call
    void* receiver = nullptr;             // handed back to function unchanged

    // Calls function(receiver, sender), but only when receiver is non-null.
    void fire(CallbackSender* sender) const;
};

}  // namespace trellis
