// trellis-lint's checks of text: characters the font in use has no glyph for, and text that
// does not fit its element at the start-up size.
#pragma once

#include <string>

namespace trellis {

class GuiElement;

// Takes the glyph metrics of the texture font file for measuring, without GL, or adds a TrueType
// or OpenType file's face to the chain; an unreadable or invalid file is reported and gives false.
bool loadLintFont(const std::string& file);

// Reports, at line:column of file, each text of element (built from a tag of that name) that
// holds characters the font has no glyph for, or is wider than the room the element gives it
// (a wrapped label: taller than the label). Nothing without a font.
void checkElementText(const GuiElement& element, const char* tag, const std::string& file, int line,
                      int column);

}  // namespace trellis
