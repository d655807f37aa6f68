// ParkedValues: one interface's values of the kept variables while another interface is current.
#pragma once

#include <vector>

namespace trellis {

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
