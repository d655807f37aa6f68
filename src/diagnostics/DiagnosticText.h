// Pieces of diagnostic messages that every loader words the same way.
#pragma once

#include <string>

namespace trellis {

// text in double quotes, on one line: control bytes and quotes escaped, and a text longer than
// 60 bytes cut short with "...", so that a diagnostic stays one readable line.
std::string quoted(const std::string& text);

}  // namespace trellis
