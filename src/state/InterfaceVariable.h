// InterfaceVariable: a variable of which every interface has its own value. The variable itself
// holds the current interface's value; each other interface keeps its own parked
// (ParkedValues) until it becomes current, when the two trade places.
#pragma once

#include <vector>

namespace trellis {

// One variable kept per interface: how to make a value for a new interface, and how to trade
// the variable's value for a parked one.
class InterfaceVariable {
public:
    virtual ~InterfaceVariable() = default;
    virtual void* makeValue() const = 0;            // the value the variable started with
    virtual void exchange(void* parked) const = 0;  // the variable and parked swap values
    virtual void destroyValue(void* parked) const = 0;
};

// Every variable kept per interface, in the order they were kept; never destroyed.
const std::vector<const InterfaceVariable*>& interfaceVariables();

// Adds variable to them (it lives as long as the program).
void addInterfaceVariable(const InterfaceVariable* variable);

}  // namespace trellis
