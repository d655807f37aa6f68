// Severity names and the compiler-style text of a diagnostic.
#include "trellis/diagnostics/Diagnostic.h"

namespace trellis {

const char* severityName(Severity severity) {
    switch (severity) {
    case Severity::Note:
        return "note";
    case Severity::Warning:
        return "warning";
    case Severity::Error:
        return "error";
    }
    return "error";
}

std::string formatDiagnostic(const Diagnostic& diagnostic) {
    return diagnostic.file + ":" + std::to_string(diagnostic.line) + ":" +
           std::to_string(diagnostic.column) + ": " + severityName(diagnostic.severity) + ": " +
           diagnostic.message;
}

}  // namespace trellis
