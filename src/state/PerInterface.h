// Variables of which every interface has its own value. The variable itself holds the current
// interface's value; each other interface keeps its own parked until it becomes current, when
// the two trade places.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <utility>
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

// A variable kept per interface; a new interface's value is a copy of the variable's value when
// it was kept.
template <typename T> class KeptVariable final : public InterfaceVariable {
public:
    explicit KeptVariable(T& variable) : variable(variable), start(variable) {}
    void* makeValue() const override { return new T(start); }
    void exchange(void* parked) const override {
        using std::swap;
        swap(variable, *static_cast<T*>(parked));
    }
    void destroyValue(void* parked) const override { delete static_cast<T*>(parked); }

private:
    T& variable;
    const T start;
};

// The same for an array.
template <typename T, std::size_t N> class KeptVariable<T[N]> final : public InterfaceVariable {
public:
    explicit KeptVariable(T (&variable)[N]) : variable(variable) {
        for (std::size_t i = 0; i < N; ++i)
            start[i] = variable[i];
    }
    void* makeValue() const override { return new std::array<T, N>(start); }
    void exchange(void* parked) const override {
        std::swap_ranges(variable, variable + N, static_cast<std::array<T, N>*>(parked)->begin());
    }
    void destroyValue(void* parked) const override {
        delete static_cast<std::array<T, N>*>(parked);
    }

private:
    T (&variable)[N];
    std::array<T, N> start;
};

// The same for state held by a pointer, made when first used: a new interface starts with none.
template <typename T> class KeptVariable<std::unique_ptr<T>> final : public InterfaceVariable {
public:
    explicit KeptVariable(std::unique_ptr<T>& variable) : variable(variable) {}
    void* makeValue() const override { return new std::unique_ptr<T>(); }
    void exchange(void* parked) const override {
        variable.swap(*static_cast<std::unique_ptr<T>*>(parked));
    }
    void destroyValue(void* parked) const override {
        delete static_cast<std::unique_ptr<T>*>(parked);
    }

private:
    std::unique_ptr<T>& variable;
};

// Keeps each of variables per interface, every interface starting from its value now. Called
// where the variables are defined, after them, as the program starts; gives true.
template <typename... T> bool keepPerInterface(T&... variables) {
    (addInterfaceVariable(new KeptVariable<T>(variables)), ...);
    return true;
}

// The values of every kept variable that belong to one interface while another is current (and
// values nobody uses while it is current itself).
class ParkedValues {
public:
    ParkedValues() = default;
    ~ParkedValues();
    ParkedValues(const ParkedValues&) = delete;
    ParkedValues& operator=(const ParkedValues&) = delete;

    // Every kept variable trades its value for the one parked here (made first for a variable
    // kept since the last exchange).
    void exchange();

private:
    std::vector<void*> values;  // by the variables' order in interfaceVariables()
};

}  // namespace trellis
