// Resolving the files a skin names.
#include "skin/SkinPaths.h"

#include <filesystem>

namespace trellis {

std::string skinRelativePath(const char* skinFile, const std::string& file) {
    std::filesystem::path path(file);
    if (path.is_relative() && skinFile)
        path = std::filesystem::path(skinFile).parent_path() / path;
    return path.string();
}

}  // namespace trellis
