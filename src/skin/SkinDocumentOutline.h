// The outline of a skin file already parsed, with the elements of its skins, for loaders that
// read a file once for all of its skins.
#pragma once

#include "trellis/skin/SkinOutline.h"

#include <vector>

class TiXmlDocument;
class TiXmlElement;

namespace trellis {

// As outlineSkinFile, for fileName parsed into document: each skin's outline, and its element
// in elements at the same index, reporting what keeps the file from offering a skin.
std::vector<SkinOutline> outlineSkinDocument(const char* fileName, const TiXmlDocument& document,
                                             std::vector<const TiXmlElement*>& elements);

}  // namespace trellis
