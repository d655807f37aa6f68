// Reading skins from a skin file into the skin store.
#pragma once

#include <string>
#include <vector>

namespace trellis {

constexpr const char* kSkinFileName = "defaultSkin.xml";  // read from the working directory

// Merges the sections of the skin named skinName from the skin file into the store, and says
// whether it did. A missing or malformed file, or no such skin, leaves the store as it was.
bool loadSkin(const char* skinName, const char* fileName = kSkinFileName);

// The names of the skins in the skin file that loadSkin can find, in file order, each once.
// Empty for a missing or malformed file.
std::vector<std::string> skinNames(const char* fileName = kSkinFileName);

}  // namespace trellis
