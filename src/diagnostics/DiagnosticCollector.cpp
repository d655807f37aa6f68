// A scoped handler that gathers diagnostics.
#include "trellis/diagnostics/DiagnosticCollector.h"

#include <algorithm>
#include <utility>

namespace trellis {

DiagnosticCollector::DiagnosticCollector(bool forward) {
    previous = setDiagnosticHandler([this, forward](const Diagnostic& diagnostic) {
        collected.push_back(diagnostic);
        if (forward && previous)
            previous(diagnostic);
    });
}

DiagnosticCollector::~DiagnosticCollector() {
    setDiagnosticHandler(std::move(previous));
}

std::size_t DiagnosticCollector::count(Severity severity) const {
    return static_cast<std::size_t>(
        std::count_if(collected.begin(), collected.end(),
                      [severity](const Diagnostic& d) { return d.severity == severity; }));
}

}  // namespace trellis
