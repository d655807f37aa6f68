// Named fonts: TrueType faces a skin declares by name, which elements pick to draw their text
// with, the chain text is drawn with as their fallback.
#pragma once

#include "trellis/font/FontChain.h"

#include <string>

namespace trellis {

// Loads the face of the font file at path under name, replacing a face of that name. The name
// "default" also puts the face first in textFontChain(), before the faces the host gave (the
// texture font then no longer draws), in place of any default declared before. False, with
// problem saying why, when the file is no usable font: nothing changes.
bool declareNamedFont(const std::string& name, const std::string& path, std::string* problem);

// Whether a face of that name has been declared.
bool namedFontDeclared(const std::string& name);

// Forgets every named face (a default declared stays in textFontChain() until it changes).
void forgetNamedFonts();

// The chain an element whose font is name draws with: the named face, then the faces of
// textFontChain(). Null for "" or a name never declared: such an element draws as any other.
const FontChain* namedFontChain(const std::string& name);

// Makes text laid out with chain (null: no change) for as long as it lives.
class ScopedFontChain {
public:
    explicit ScopedFontChain(const FontChain* chain);
    ~ScopedFontChain();
    ScopedFontChain(const ScopedFontChain&) = delete;
    ScopedFontChain& operator=(const ScopedFontChain&) = delete;

private:
    const FontChain* before;
};

}  // namespace trellis
