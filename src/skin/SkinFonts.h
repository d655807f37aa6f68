// A skin's <font name="..." file="..."/> sections: the TrueType faces it declares by name.
#pragma once

class TiXmlElement;

namespace trellis {

// The tag of a section that declares a face rather than styles elements.
constexpr const char* kFontSectionTag = "font";

// Loads each <font> section of skin (a skin of the skin file at skinFile) as a named face, its
// file relative to the skin file's folder unless absolute; reports, at the section, one without
// a name or a file, and a file that is missing or no usable font (that name then stays as it was).
void declareSkinFonts(const char* skinFile, const TiXmlElement& skin);

}  // namespace trellis
