// KeptVariable: the variables of a file kept per interface, each interface starting from the
// value the variable had when it was kept; keepPerInterface keeps them where they are defined.
#pragma once

#include "state/InterfaceVariable.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <utility>

namespace trellis {

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

}  // namespace trellis
