// The texture font: the current interface's font in one GL texture, and the measuring and
// drawing of text.
#pragma once

#include "trellis/font/FontFile.h"

#include <cstdio>
#include <vector>

namespace trellis {

extern bool fontLoaded;                      // false until a valid font has been loaded
extern unsigned int textureName;             // the font's GL texture
extern int textureWidth, textureHeight;      // texel image size
extern int firstChar, lastChar;              // codes covered by the glyph table
extern std::vector<GlyphRecord> glyphTable;  // record i describes code firstChar + i
extern float currentTextSize;                // size used when an operation is given size 0

constexpr const char* kFontFileName = "verdana.glf";  // read from the working directory

// Reads the font from file (closing it), creates its mipmapped texture, marks the font loaded
// and gives true. An invalid file changes nothing, makes no GL call and gives false. Needs a
// GL context.
bool loadTextureFont(FILE* file);

// Opens the font file fileName as loadTextureFont reads it, only if it is a regular file:
// opening never waits (a FIFO without a writer) and a device is never read. A missing or
// invalid file changes nothing. True when the font loaded.
bool loadTextureFontFile(const char* fileName = kFontFileName);

// Forgets any held glyph table; the font is unloaded until the next successful load.
void releaseGlyphTable();

// The glyph record of a byte taken as a signed 8-bit code, or null when the font has none.
const GlyphRecord* glyphOf(unsigned char byte);

// The glyph record of a character (code point): codes 0 to 127 as themselves, 128 to 255 as the
// negative codes a font baked from a negative first character holds them at; null when the font
// has none. Text draws a character the font lacks as its '?' (controls as nothing).
const GlyphRecord* glyphOfCharacter(unsigned int code);

// Text is UTF-8; a byte that starts no well-formed sequence is taken as its Latin-1 character.
// While the chain of TrueType faces (FontChain.h) has faces, text is measured and drawn with
// it instead of the texture font.

// Draws text with its top-left corner at (x, y), or its right edge at x when alignRight.
// size 0 means the current text size; a non-zero size becomes the current text size.
void drawText(const char* text, float x, float y, float size, bool alignRight);

// One glyph of laid-out text: its texture rectangle and its corners in screen units.
struct GlyphQuad {
    float s0, t0, s1, t1;      // texture left, top, right, bottom
    float x0, y0, x1, y1;      // left, top, right, bottom
    unsigned int texture = 0;  // 0: the texture font's; else the glyph atlas page's texture
};

// Called for each glyph of laid-out text, in drawing order.
using GlyphEmitter = void (*)(void* context, const GlyphQuad& glyph);

// Lays text out exactly as drawText draws it, with the same side effect on the current text
// size, handing each glyph quad to emit(context, quad); false, with nothing done, when no font
// is loaded. Makes no GL call with the texture font; with the chain it brings the atlas pages'
// textures in the current context up to date.
bool layoutText(const char* text, float x, float y, float size, bool alignRight, GlyphEmitter emit,
                void* context);

// The width of the longest line and the height of all lines of text at size (0: current).
// Leaves width and height untouched when no font is loaded.
void measureText(const char* text, float size, float& width, float& height);

// The height measureText gives text at size (0: current), found without laying the text out:
// its lines times the size; 0 when no font is loaded.
float measureTextHeight(const char* text, float size);

// The width of the longest line of text at the current text size; 0 without a font.
float measureTextWidth(const char* text);

// The characters of text that the font in use (the chain while it has faces, else the texture
// font) cannot draw, each once, in order; control characters are never among them.
std::vector<unsigned int> undrawableCharacters(const char* text);

// Whether the font in use (the chain while it has faces, else the texture font) draws code as a
// character of its own; never for a control character, never without a font.
bool drawsCharacter(unsigned int code);

}  // namespace trellis
