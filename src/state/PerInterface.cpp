// The list of variables kept per interface, and one interface's parked values.
#include "state/PerInterface.h"

namespace trellis {

namespace {

// Never destroyed: interfaces may still trade values while the program exits.
std::vector<const InterfaceVariable*>& keptVariables() {
    static auto* kept = new std::vector<const InterfaceVariable*>();
    return *kept;
}

}  // namespace

const std::vector<const InterfaceVariable*>& interfaceVariables() {
    return keptVariables();
}

void addInterfaceVariable(const InterfaceVariable* variable) {
    keptVariables().push_back(variable);
}

ParkedValues::~ParkedValues() {
    for (size_t i = 0; i < values.size(); ++i)
        keptVariables()[i]->destroyValue(values[i]);
}

void ParkedValues::exchange() {
    const std::vector<const InterfaceVariable*>& kept = keptVariables();
    while (values.size() < kept.size())
        values.push_back(kept[values.size()]->makeValue());
    for (size_t i = 0; i < kept.size(); ++i)
        kept[i]->exchange(values[i]);
}

}  // namespace trellis
