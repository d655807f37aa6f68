// The outline of a skin file already parsed, with the elements of its skins, for loaders that
// read a file once for all of its skins.
#pragma once

#include "trellis/skin/SkinOutline.h"

#include <string>
#include <vector>

class TiXmlDocument;
class TiXmlElement;

namespace trellis {

// As outlineSkinFile, for fileName parsed into document: each skin's outline, and its element
// in elements at the same index, reporting what keeps the file from offering a skin.
std::vector<SkinOutline> outlineSkinDocument(const char* fileName, const TiXmlDocument& document,
                                             std::vector<const TiXmlElement*>& elements);

// Whether section is <style class="..."/>: the look of the elements of that style class.
bool isStyleClassSection(const TiXmlElement& section);

// The store section that a section element of a skin fills: its tag, or for a style class
// section "." and its class (styleClassSection).
std::string skinSectionName(const TiXmlElement& section);

}  // namespace trellis
