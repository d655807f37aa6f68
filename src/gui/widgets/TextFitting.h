// Fitting text to a width: word wrap by the Unicode line-break rules, and cutting a line short
// with an ellipsis. Both measure with the texture font's measuring calls.
#pragma once

#include <string>

namespace trellis {

// text with its lines broken to fit width at size: at the places the Unicode line-break rules
// allow, and inside a word (between characters a reader sees as one) only where the word alone
// is wider than width. Line feeds stay; spaces at the end of a broken line go.
std::string wrapText(const std::string& text, float width, float size);

// Each line of text that is wider than width at size cut between two clusters, so that with
// the ellipsis after it it fits; a line with no room for even one cluster becomes the ellipsis.
std::string ellipsizeText(const std::string& text, float width, float size);

// "…" (U+2026) when the font in use draws it, otherwise "...".
const char* ellipsisText();

// The width of the widest line of text at size; 0 without a font.
float textWidthAt(const std::string& text, float size);

}  // namespace trellis
