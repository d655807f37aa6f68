// The named callback table: application callbacks entered by name and bound into elements.
#pragma once

#include "trellis/gui/Callback.h"

#include <string>
#include <unordered_map>

namespace trellis {

// Name to Callback, compared as exact byte strings.
using CallbackTable = std::unordered_map<std::string, Callback>;

extern CallbackTable callbackTable;  // the current interface's table (Interface.h)

// Stores (function, receiver) under name, replacing an earlier entry of that name.
void registerCallback(const char* name, CallbackFunction function, void* receiver);

// Stores handler under name, in the same table and under the same names as the (function,
// receiver) pairs, replacing an earlier entry of that name; elements fire it as they fire those.
// An empty handler stores an empty callback: the event does nothing.
void registerCallback(const char* name, CallbackHandler handler);

// Copies the callback stored under name into slot; false (slot untouched) if name is null or
// unknown.
bool bindCallback(const char* name, Callback& slot);

}  // namespace trellis
