// Reports on the pictures that a skin's sections name: files that cannot be shown, and slices
// that do not fit them.
#pragma once

#include <string>

class TiXmlElement;

namespace trellis {

// The style attributes that name a section's picture and its slices.
constexpr const char* kSkinImageAttribute = "image";
constexpr const char* kSkinSliceAttribute = "slice";

// Reports, at section (a section of the skin file at file, described as where): an "image" that
// is empty, missing, no PNG or too large, and a "slice" whose numbers do not fit the section's
// picture (their form is checked with the other style values).
void checkSectionImage(const char* file, const TiXmlElement& section, const std::string& where);

}  // namespace trellis
