// Files that a skin names (faces, pictures): taken from the skin file's folder.
#pragma once

#include <string>

namespace trellis {

// file as a skin of the skin file at skinFile names it: relative to the skin file's folder
// unless it is absolute.
std::string skinRelativePath(const char* skinFile, const std::string& file);

}  // namespace trellis
