// Diagnostic: one mistake found in a user's file, where it stands and how serious it is, and
// its compiler-style text.
#pragma once

#include <string>

namespace trellis {

// How serious a diagnostic is: a note explains, a warning is worked around, an error refuses.
enum class Severity { Note, Warning, Error };

// One mistake in a file: the file's path as the loader was given it, the 1-based line and
// column where the mistake stands (0 and 0 when it has no position, e.g. a missing file),
// its severity and a sentence naming what was wrong and what the loader did about it.
struct Diagnostic {
    std::string file;                       // the file's path as given to the loader
    int line = 0;                           // 1-based line, 0 when there is no position
    int column = 0;                         // 1-based column, 0 when there is no position
    Severity severity = Severity::Warning;  // how serious
    std::string message;                    // what was wrong and what was done about it
};

// "note", "warning" or "error".
const char* severityName(Severity severity);

// The diagnostic as a compiler prints one: "file:line:column: warning: message".
std::string formatDiagnostic(const Diagnostic& diagnostic);

}  // namespace trellis
