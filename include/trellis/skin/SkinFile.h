// Reading skins from a skin file into the skin store.
#pragma once

#include "trellis/skin/SkinOutline.h"

#include <string>
#include <vector>

namespace trellis {

constexpr const char* kSkinFileName = "defaultSkin.xml";  // read from the working directory

// Merges the sections of the skin named skinName from the skin file into the store, and says
// whether it did. A missing or malformed file, or no such skin, leaves the store as it was.
bool loadSkin(const char* skinName, const char* fileName = kSkinFileName);

// Merges every skin that loadSkin can find in the skin file into the store, in file order, as
// loadSkin of each name in turn would, from one reading of the file. Gives their outline, and
// reports what outlineSkinFile and loadSkin report. Empty for a missing or malformed file.
std::vector<SkinOutline> loadEverySkin(const char* fileName = kSkinFileName);

// The names of the skins in the skin file that loadSkin can find, in file order, each once.
// Empty for a missing or malformed file.
std::vector<std::string> skinNames(const char* fileName = kSkinFileName);

}  // namespace trellis
