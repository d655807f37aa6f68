// FontChain: faces in order, the character lookup across them and the layout of lines.
#include "trellis/font/FontChain.h"

#include "FontChanges.h"
#include "GlyphAtlas.h"
#include "LineShaper.h"
#include "state/KeptVariable.h"
#include "trellis/font/Utf8Decode.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace trellis {

namespace {
float pixelsPerUnit = 1.0f;
unsigned long chainChanges = 0;
FontChain textChain;  // the chain text is drawn with
const bool perInterface = keepPerInterface(pixelsPerUnit, chainChanges, textChain);
constexpr size_t kLaidOutTexts = 4096;  // texts whose layout a chain keeps
}  // namespace

void noteFontChange() {
    ++chainChanges;
}

// Counts changes to the chain text is drawn with; an element's chain built on it changes with it.
void noteChainChange(const FontChain& chain) {
    if (&chain == &textFontChain())
        noteFontChange();
}

void FontChain::add(std::shared_ptr<FontFace> face) {
    if (face) {
        faces.push_back(std::move(face));
        laidOut.clear();
        drawable.fill(0);
        noteChainChange(*this);
    }
}

void FontChain::clear() {
    faces.clear();
    laidOut.clear();
    drawable.fill(0);
    noteChainChange(*this);
}

size_t FontChain::size() const {
    return faces.size();
}

const FontFace& FontChain::face(size_t i) const {
    return *faces[i];
}

const std::shared_ptr<FontFace>& FontChain::sharedFace(size_t i) const {
    return faces[i];
}

int FontChain::faceFor(unsigned int code) const {
    for (size_t i = 0; i < faces.size(); ++i)
        if (faces[i]->glyphFor(code))
            return int(i);
    return -1;
}

std::vector<unsigned int> FontChain::missingCharacters(const char* text) const {
    std::vector<unsigned int> missing;
    if (!text)
        return missing;
    for (size_t at = 0; text[at];) {
        // Texts are checked whenever they change: ASCII is read without the decoder.
        const auto byte = static_cast<unsigned char>(text[at]);
        const unsigned int code = byte < 0x80 ? (++at, byte) : nextCharacter(text, at);
        unsigned int& known = drawable[code % drawable.size()];
        if (known == code + 1 || isControlCharacter(code))
            continue;
        if (faceFor(code) >= 0)
            known = code + 1;
        else if (std::find(missing.begin(), missing.end(), code) == missing.end())
            missing.push_back(code);
    }
    return missing;
}

int FontChain::pixelsPerEm(float linePixels) const {
    if (faces.empty())
        return 0;
    const FontFace& first = *faces[0];
    const int extent = std::max(first.ascender() - first.descender(), 1);
    const float em = linePixels * float(first.unitsPerEm()) / float(extent);
    // A bound on the size, so that a wild text size cannot ask for a huge raster.
    return std::isfinite(em) ? std::clamp(int(std::lround(em)), 1, 4096) : 1;
}

float FontChain::baseline(float linePixels) const {
    if (faces.empty())
        return 0;
    const FontFace& first = *faces[0];
    const int extent = std::max(first.ascender() - first.descender(), 1);
    return std::round(linePixels * float(first.ascender()) / float(extent));
}

std::vector<TextLine> FontChain::layout(const char* text, float linePixels, float tabPixels) const {
    if (faces.empty() || !text)
        return {};
    return lines(text, linePixels, tabPixels);
}

const std::vector<TextLine>& FontChain::lines(const char* text, float linePixels,
                                              float tabPixels) const {
    static const std::vector<TextLine> none;
    if (faces.empty() || !text)
        return none;
    key.assign(text);
    key.push_back('\0');
    key.append(reinterpret_cast<const char*>(&linePixels), sizeof linePixels);
    key.append(reinterpret_cast<const char*>(&tabPixels), sizeof tabPixels);
    const auto known = laidOut.find(key);
    if (known != laidOut.end())
        return known->second;
    std::vector<TextLine> made;
    const int em = pixelsPerEm(linePixels);
    const size_t length = std::strlen(text);
    size_t begin = 0;
    for (;;) {
        const char* feed = std::strchr(text + begin, '\n');
        const size_t end = feed ? size_t(feed - text) : length;
        made.emplace_back();
        shapeLine(*this, text, begin, end, em, tabPixels, made.back());
        if (!feed)
            break;
        begin = end + 1;
    }
    if (laidOut.size() >= kLaidOutTexts)
        laidOut.clear();
    return laidOut.emplace(key, std::move(made)).first->second;
}

FontChain& textFontChain() {
    return textChain;
}

unsigned long textFontChanges() {
    return chainChanges + static_cast<unsigned long>(glyphAtlas().evictions());
}

void setTextPixelsPerUnit(float pixels) {
    if (std::isfinite(pixels) && pixels > 0)
        pixelsPerUnit = pixels;
}

float textPixelsPerUnit() {
    return pixelsPerUnit;
}

}  // namespace trellis
