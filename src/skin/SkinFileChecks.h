// Reports on a skin file's content: what loading a skin ignores, and values read otherwise
// than they are written.
#pragma once

class TiXmlElement;

namespace trellis {

// Reports, for the skin element skin of file: attributes of its own besides "name", style
// attributes that no skin lookup reads, style values that do not say what they give, and text
// and elements inside a section, which are ignored.
void checkSkinContent(const char* file, const TiXmlElement& skin);

}  // namespace trellis
