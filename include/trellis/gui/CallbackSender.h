// CallbackSender: the type under which an element hands itself to a callback.
#pragma once

namespace trellis {

// Base of every element; its one virtual operation gives senders run-time type information,
// so a callback can ask with dynamic_cast which kind of element fired it.
class CallbackSender {
public:
    virtual void reservedHook();  // never overridden, never called; anchors the type's vtable

protected:
    ~CallbackSender() = default;  // senders are never deleted through this type
};

}  // namespace trellis
