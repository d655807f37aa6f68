// Faces declared by name, the chains elements with a named font draw with, and which chain is
// in use now.
#include "trellis/font/NamedFonts.h"

#include "FontChanges.h"
#include "state/KeptVariable.h"

#include <map>
#include <memory>

namespace trellis {

namespace {

// A declared face, and the chain built on it the last time textFontChain() was as counted.
struct NamedFont {
    std::shared_ptr<FontFace> face;
    FontChain chain;
    unsigned long builtAt = ~0ul;
};

std::map<std::string, NamedFont> fonts;
const FontChain* activeChain = nullptr;  // an element's own chain while it draws
unsigned int defaultSerial = 0;          // the skin's default face in textFontChain(), if any
const bool perInterface = keepPerInterface(fonts, activeChain, defaultSerial);

std::map<std::string, NamedFont>& namedFonts() {
    return fonts;
}

}  // namespace

const FontChain& activeFontChain() {
    return activeChain ? *activeChain : textFontChain();
}

bool declareNamedFont(const std::string& name, const std::string& path, std::string* problem) {
    std::shared_ptr<FontFace> face = FontFace::load(path.c_str(), problem);
    if (!face)
        return false;
    if (name == "default") {
        // The host's faces follow the default; a default declared before gives way to this one.
        FontChain& chain = textFontChain();
        std::vector<std::shared_ptr<FontFace>> kept;
        for (size_t i = 0; i < chain.size(); ++i)
            if (chain.face(i).serial() != defaultSerial)
                kept.push_back(chain.sharedFace(i));
        chain.clear();
        chain.add(face);
        for (std::shared_ptr<FontFace>& host : kept)
            chain.add(std::move(host));
        defaultSerial = face->serial();
    }
    NamedFont& named = namedFonts()[name];
    named.face = std::move(face);
    named.builtAt = ~0ul;
    noteFontChange();
    return true;
}

bool namedFontDeclared(const std::string& name) {
    return namedFonts().count(name) != 0;
}

void forgetNamedFonts() {
    namedFonts().clear();
    noteFontChange();
}

const FontChain* namedFontChain(const std::string& name) {
    if (name.empty())
        return nullptr;
    const auto found = namedFonts().find(name);
    if (found == namedFonts().end())
        return nullptr;
    NamedFont& named = found->second;
    // Rebuilt when the faces after it change, so that fallback follows the host's chain.
    if (named.builtAt != textFontChanges()) {
        const FontChain& fallback = textFontChain();
        named.chain.clear();
        named.chain.add(named.face);
        for (size_t i = 0; i < fallback.size(); ++i)
            if (fallback.face(i).serial() != named.face->serial())
                named.chain.add(fallback.sharedFace(i));
        named.builtAt = textFontChanges();
    }
    return &named.chain;
}

ScopedFontChain::ScopedFontChain(const FontChain* chain) : before(activeChain) {
    if (chain)
        activeChain = chain;
}

ScopedFontChain::~ScopedFontChain() {
    activeChain = before;
}

}  // namespace trellis
