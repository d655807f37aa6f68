// Counting the changes that may leave recorded text naming glyphs it no longer shows.
#pragma once

namespace trellis {

class FontChain;

// Counts a change to the faces some text is drawn with (textFontChanges() moves on).
void noteFontChange();

// Counts a change to chain when it is the chain text is drawn with.
void noteChainChange(const FontChain& chain);

}  // namespace trellis
