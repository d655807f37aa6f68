// DiagnosticCollector: gathers the diagnostics reported while it lives, for tools and tests.
#pragma once

#include "trellis/diagnostics/Diagnostic.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#include <cstddef>
#include <vector>

namespace trellis {

// Installs a handler that keeps every diagnostic (and, if asked, passes it on to the handler
// it replaced); restores that handler when destroyed. Collectors nest like scopes.
class DiagnosticCollector {
public:
    // Starts collecting; with forward, each diagnostic also goes to the previous handler.
    explicit DiagnosticCollector(bool forward = false);
    // Puts the previous handler back.
    ~DiagnosticCollector();

    DiagnosticCollector(const DiagnosticCollector&) = delete;
    DiagnosticCollector& operator=(const DiagnosticCollector&) = delete;

    // Every diagnostic reported so far, in order.
    const std::vector<Diagnostic>& diagnostics() const { return collected; }
    // How many of them have the given severity.
    std::size_t count(Severity severity) const;
    // Forgets what was collected so far.
    void clear() { collected.clear(); }

private:
    std::vector<Diagnostic> collected;
    DiagnosticHandler previous;
};

}  // namespace trellis
