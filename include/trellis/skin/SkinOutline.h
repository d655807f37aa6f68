// SkinOutline: the skins a skin file offers and the sections of each, with their places, for
// tools that check or offer a file's skins.
#pragma once

#include <string>
#include <vector>

namespace trellis {

// A named thing in a skin file and the 1-based line and column of its start tag.
struct SkinFilePlace {
    std::string name;  // a skin's "name", or a section's tag
    int line = 0;      // 1-based line
    int column = 0;    // 1-based column
};

// One skin that loadSkin can find in a file, and its sections in file order.
struct SkinOutline {
    SkinFilePlace skin;                   // the skin's name and place
    std::vector<SkinFilePlace> sections;  // each child element, by tag
};

// The skins that loadSkin can find in fileName, in file order, each name once. Reports what
// keeps the file from offering a skin: file problems, top-level elements that are passed over,
// skins without a name or with the name of an earlier one, and a file with no skin at all.
std::vector<SkinOutline> outlineSkinFile(const char* fileName);

}  // namespace trellis
