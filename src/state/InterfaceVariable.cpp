// The list of variables kept per interface.
#include "state/InterfaceVariable.h"

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

}  // namespace trellis
