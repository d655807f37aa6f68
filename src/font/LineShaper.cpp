// LineShaper: runs of one face, script and direction, in the order the Unicode bidirectional
// algorithm (FriBidi) puts them, each shaped by HarfBuzz.
#include "LineShaper.h"

#include "trellis/font/Utf8Decode.h"

#include <algorithm>
#include <cmath>
#include <fribidi.h>
#include <hb.h>

namespace trellis {

namespace {

// One character of a line segment and what its run is made of.
struct Character {
    size_t byte;         // offset in the text
    int face;            // the chain's face that draws it
    hb_script_t script;  // its script, common characters taking their neighbours'
    FriBidiLevel level;  // its bidirectional embedding level
};

// A stretch of characters [begin, end) of one face, script and level.
struct Run {
    size_t begin, end;
    int face;
    hb_script_t script;
    FriBidiLevel level;
};

bool sharesScript(hb_script_t script) {
    return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED ||
           script == HB_SCRIPT_UNKNOWN;
}

// Spaces, punctuation and marks stay in the face of the character before when it has them,
// which keeps a run whole and puts marks on their base's face.
int faceOf(const FontChain& chain, unsigned int code, hb_script_t script, int previous) {
    if (previous >= 0 && sharesScript(script) && chain.face(size_t(previous)).glyphFor(code))
        return previous;
    const int face = chain.faceFor(code);
    return face < 0 ? 0 : face;  // none has it: the first face's missing-glyph box
}

// Common and inherited characters take the script of the character before, the leading ones
// that of the first character with a script of its own.
void resolveScripts(std::vector<Character>& characters) {
    hb_script_t last = HB_SCRIPT_INVALID;
    for (Character& c : characters) {
        if (!sharesScript(c.script))
            last = c.script;
        else if (last != HB_SCRIPT_INVALID)
            c.script = last;
    }
    auto first = std::find_if(characters.begin(), characters.end(),
                              [](const Character& c) { return !sharesScript(c.script); });
    const hb_script_t lead = first == characters.end() ? HB_SCRIPT_COMMON : first->script;
    for (auto c = characters.begin(); c != first; ++c)
        c->script = lead;
}

// The levels of the paragraph's characters by the bidirectional algorithm, the paragraph's
// direction from its first strong character; all 0 when FriBidi fails.
std::vector<FriBidiLevel> bidiLevels(const std::vector<FriBidiChar>& codes) {
    const FriBidiStrIndex n = FriBidiStrIndex(codes.size());
    std::vector<FriBidiCharType> types(codes.size());
    std::vector<FriBidiBracketType> brackets(codes.size());
    std::vector<FriBidiLevel> levels(codes.size(), 0);
    fribidi_get_bidi_types(codes.data(), n, types.data());
    fribidi_get_bracket_types(codes.data(), n, types.data(), brackets.data());
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (!fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &direction,
                                             levels.data()))
        std::fill(levels.begin(), levels.end(), 0);
    return levels;
}

// Reverses every stretch of runs at or above each level from the highest down to the lowest
// odd one (rule L2), leaving runs in visual order.
void orderVisually(std::vector<Run>& runs) {
    // FriBidi's levels are signed chars: counted here as int.
    int highest = 0, lowestOdd = 256;
    for (const Run& r : runs) {
        highest = std::max(highest, int(r.level));
        if (r.level % 2)
            lowestOdd = std::min(lowestOdd, int(r.level));
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level)
        for (size_t i = 0; i < runs.size();) {
            if (runs[i].level < level) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < runs.size() && runs[j].level >= level)
                ++j;
            std::reverse(runs.begin() + long(i), runs.begin() + long(j));
            i = j;
        }
}

// HarfBuzz fonts of the chain's faces at one size, which the faces keep.
class ShapingFonts {
public:
    ShapingFonts(const FontChain& chain, int pixelsPerEm) : chain(chain), size(pixelsPerEm) {}
    hb_font_t* font(int face) {
        return static_cast<hb_font_t*>(chain.face(size_t(face)).shapingFont(size));
    }

private:
    const FontChain& chain;
    int size;
};

// The buffer every run is shaped in, made once: shaping is done from the drawing thread.
hb_buffer_t* shapingBuffer() {
    static hb_buffer_t* const buffer = hb_buffer_create();
    return buffer;
}

// Shapes the characters of text[begin, end) (a stretch without tabs or line feeds) onto line
// from pen, and gives the pen after them.
float shapeSegment(const FontChain& chain, ShapingFonts& fonts, const char* text, size_t begin,
                   size_t end, float pen, TextLine& line) {
    std::vector<FriBidiChar> codes;
    std::vector<Character> characters;
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    int previous = -1;
    for (size_t at = begin; at < end;) {
        const size_t byte = at;
        const unsigned int code = nextCharacter(text, at);
        if (isControlCharacter(code))
            continue;
        const hb_script_t script = hb_unicode_script(unicode, code);
        previous = faceOf(chain, code, script, previous);
        codes.push_back(code);
        characters.push_back({byte, previous, script, 0});
    }
    if (codes.empty())
        return pen;
    resolveScripts(characters);
    const std::vector<FriBidiLevel> levels = bidiLevels(codes);
    std::vector<Run> runs;
    for (size_t i = 0; i < characters.size(); ++i) {
        Character& c = characters[i];
        c.level = levels[i];
        if (runs.empty() || runs.back().face != c.face || runs.back().script != c.script ||
            runs.back().level != c.level)
            runs.push_back({i, i + 1, c.face, c.script, c.level});
        else
            runs.back().end = i + 1;
    }
    orderVisually(runs);
    hb_buffer_t* buffer = shapingBuffer();
    for (const Run& run : runs) {
        hb_buffer_clear_contents(buffer);
        // The whole segment goes in as context, so that joining sees across run ends.
        hb_buffer_add_utf32(buffer, codes.data(), int(codes.size()), unsigned(run.begin),
                            int(run.end - run.begin));
        hb_buffer_set_direction(buffer, run.level % 2 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer, run.script);
        hb_buffer_set_language(buffer, hb_language_get_default());
        hb_shape(fonts.font(run.face), buffer, nullptr, 0);
        unsigned int count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* at = hb_buffer_get_glyph_positions(buffer, nullptr);
        for (unsigned int g = 0; g < count; ++g) {
            PlacedGlyph placed;
            placed.face = run.face;
            placed.glyph = info[g].codepoint;
            placed.x = pen + float(at[g].x_offset) / 64.0f;
            placed.y = float(-at[g].y_offset) / 64.0f;
            placed.advance = float(at[g].x_advance) / 64.0f;
            placed.cluster = characters[std::min<size_t>(info[g].cluster, codes.size() - 1)].byte;
            line.glyphs.push_back(placed);
            pen += placed.advance;
        }
    }
    return pen;
}

}  // namespace

void shapeLine(const FontChain& chain, const char* text, size_t begin, size_t end, int pixelsPerEm,
               float tabPixels, TextLine& line) {
    line.begin = begin;
    line.end = end;
    line.glyphs.clear();
    if (chain.size() == 0)
        return;
    ShapingFonts fonts(chain, pixelsPerEm);
    float pen = 0;
    size_t from = begin;
    for (size_t at = begin; at <= end; ++at) {
        if (at < end && text[at] != '\t')
            continue;
        pen = shapeSegment(chain, fonts, text, from, at, pen, line);
        if (at < end && tabPixels > 0)
            pen = tabPixels * (std::trunc(pen / tabPixels) + 1.0f);
        from = at + 1;
    }
    line.width = pen;
}

}  // namespace trellis
