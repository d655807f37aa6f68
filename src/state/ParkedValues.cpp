// One interface's parked values: made when first needed, traded with the variables.
#include "state/ParkedValues.h"

#include "state/InterfaceVariable.h"

#include <cstddef>

namespace trellis {

ParkedValues::~ParkedValues() {
    for (std::size_t i = 0; i < values.size(); ++i)
        interfaceVariables()[i]->destroyValue(values[i]);
}

void ParkedValues::exchange() {
    const std::vector<const InterfaceVariable*>& kept = interfaceVariables();
    while (values.size() < kept.size())
        values.push_back(kept[values.size()]->makeValue());
    for (std::size_t i = 0; i < kept.size(); ++i)
        kept[i]->exchange(values[i]);
}

}  // namespace trellis
