// FontChain: the TrueType and OpenType faces text is drawn with, consulted per character in
// order, and the layout of text with them (shaping, direction, fallback).
#pragma once

#include "trellis/font/FontFace.h"
#include "trellis/font/TextLayout.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace trellis {

// Faces in order of preference; a character is drawn by the first face that has it.
class FontChain {
public:
    // Adds face after those already there (a face may serve in several chains).
    void add(std::shared_ptr<FontFace> face);
    // Forgets every face.
    void clear();
    // The number of faces.
    size_t size() const;
    // Face i (i < size()).
    const FontFace& face(size_t i) const;
    // Face i, shared (i < size()).
    const std::shared_ptr<FontFace>& sharedFace(size_t i) const;
    // The first face that has a glyph for code, or -1 when none has.
    int faceFor(unsigned int code) const;
    // The characters of UTF-8 text no face can draw (controls aside), each once, in order.
    std::vector<unsigned int> missingCharacters(const char* text) const;

    // Pixels per em for lines linePixels high: the first face's ascender to descender fills the
    // line. At least 1; 0 without faces.
    int pixelsPerEm(float linePixels) const;
    // The baseline's distance below the top of a line linePixels high, pixels.
    float baseline(float linePixels) const;
    // Lays out UTF-8 text in lines linePixels high: a line per line feed, each shaped by
    // runs of one face, script and direction, ordered by the Unicode bidirectional algorithm;
    // tabs move the pen to the next multiple of tabPixels. Empty without faces.
    std::vector<TextLine> layout(const char* text, float linePixels, float tabPixels) const;
    // The lines layout gives, as the chain keeps them: valid until the chain lays out another
    // text or its faces change.
    const std::vector<TextLine>& lines(const char* text, float linePixels, float tabPixels) const;

private:
    std::vector<std::shared_ptr<FontFace>> faces;
    // Texts laid out lately (text, line and tab sizes as the key), forgotten all at once when
    // there are too many or the faces change: interfaces draw the same texts frame after frame.
    mutable std::unordered_map<std::string, std::vector<TextLine>> laidOut;
    mutable std::string key;  // the last text's key, its buffer kept for the next
    // Characters some face draws, found lately: each as its code + 1, at code modulo the size.
    mutable std::array<unsigned int, 256> drawable{};
};

// The chain text is drawn with while it has faces; while it is empty, the texture font draws.
FontChain& textFontChain();

// The chain text is laid out with now: textFontChain(), or while an element with a font of its
// own draws, that font's chain (NamedFonts.h).
const FontChain& activeFontChain();

// Counts changes to any chain's faces and pages emptied from the glyph atlas: text recorded
// before the count changed may name atlas places that hold other glyphs now.
unsigned long textFontChanges();

// Tells the text drawing how many pixels one screen unit is (the screen-unit grid sets it), so
// that faces are rasterised at the size text is drawn.
void setTextPixelsPerUnit(float pixels);
// The pixels per screen unit set last (1 before any).
float textPixelsPerUnit();

}  // namespace trellis
