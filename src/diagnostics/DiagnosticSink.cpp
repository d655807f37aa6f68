// The one installed diagnostic handler.
#include "trellis/diagnostics/DiagnosticSink.h"

#include <utility>

namespace trellis {

namespace {

DiagnosticHandler& installedHandler() {
    static DiagnosticHandler handler;
    return handler;
}

}  // namespace

DiagnosticHandler setDiagnosticHandler(DiagnosticHandler handler) {
    DiagnosticHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

bool diagnosticsWanted() {
    return static_cast<bool>(installedHandler());
}

void reportDiagnostic(const Diagnostic& diagnostic) {
    // A copy, so a handler that installs another handler does not destroy itself mid-call.
    DiagnosticHandler handler = installedHandler();
    if (handler)
        handler(diagnostic);
}

}  // namespace trellis
