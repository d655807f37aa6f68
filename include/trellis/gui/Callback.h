// Callback: a function and the receiver it runs for, or a std::function, fired by elements.
#pragma once

#include <functional>
#include <memory>

namespace trellis {

class CallbackSender;

// The signature of every callback: the receiver it was registered with, and the sender.
using CallbackFunction = void (*)(void* receiver, CallbackSender* sender);

// A callback as a C++ callable: it gets the sender, and captures whatever it needs.
using CallbackHandler = std::function<void(CallbackSender* sender)>;

// A (function, receiver) pair, or a handler; empty when all are null.
struct Callback {
    CallbackFunction function = nullptr;  // what to call
    void* receiver = nullptr;             // handed back to function unchanged
    // Called instead of function when set; shared by the copies bound from one registration.
    std::shared_ptr<const CallbackHandler> handler{};

    // Calls the handler with sender when there is one, else function(receiver, sender), but
    // only when receiver is non-null.
    void fire(CallbackSender* sender) const;
};

// A callback that calls handler; an empty handler gives an empty callback.
Callback callbackOf(CallbackHandler handler);

}  // namespace trellis
