// trellis-lint's pieces: checking dialogue and skin files without a window, and its command
// line.
#pragma once

#include "trellis/diagnostics/Diagnostic.h"

#include <ostream>
#include <string>
#include <vector>

namespace trellis {

// What to check.
struct LintRequest {
    std::string skinFile;                // the skin file, or empty for none
    std::vector<std::string> callbacks;  // the callback names the program registers
    std::vector<std::string> tags;       // the element tags the program registers
    std::vector<std::string> dialogues;  // the dialogue files
    std::vector<std::string> fontFiles;  // a texture font or TrueType faces (the chain, in order);
                                         // none: verdana.glf if it is there
};

// Loads the skin file (every skin it offers) and each dialogue, with no window and no GL, and
// gives what the loaders reported, with the text checks of LintText.h when there is a font, plus a
// warning for each skin section that, with dialogues given and all of them loaded, matches no skin
// class and no element name in them (a dialogue that did not load would make every name look
// unused). Each diagnostic appears once, in the order of the files (the skin file first) and then
// of lines and columns.
std::vector<Diagnostic> lintFiles(const LintRequest& request);

// Runs the tool on its arguments (without the program name): diagnostics and a closing count
// on out, usage errors on err. Exit status 0 when clean, 1 on errors (or, with --werror, on
// warnings), 2 on a usage error.
int runLint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trellis
