// DiagnosticSink: where the loaders send the mistakes they find. A host installs a handler;
// without one the library is silent.
#pragma once

#include "trellis/diagnostics/Diagnostic.h"

#include <functional>

namespace trellis {

// Receives each diagnostic as a loader reports it.
using DiagnosticHandler = std::function<void(const Diagnostic&)>;

// Installs handler for every later report and returns the one it replaces. An empty handler
// (the default) makes reports go nowhere.
DiagnosticHandler setDiagnosticHandler(DiagnosticHandler handler);

// True when a handler is installed, so a loader can skip composing messages nobody reads.
bool diagnosticsWanted();

// Hands diagnostic to the installed handler, if any.
void reportDiagnostic(const Diagnostic& diagnostic);

}  // namespace trellis
