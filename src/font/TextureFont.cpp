// Loading the texture font into GL, and the line walk that measures and draws text.
#include "trellis/font/TextureFont.h"

#include "files/RegularFile.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <unistd.h>

namespace trellis {

bool fontLoaded = false;
unsigned int textureName = 0;
int textureWidth = 0, textureHeight = 0;
int firstChar = 0, lastChar = 0;
std::vector<GlyphRecord> glyphTable;
float currentTextSize = 2.0f;

namespace {

constexpr unsigned char kLineFeed = 10;
constexpr unsigned char kTab = 9;

// The next tab stop after pen; a pen on a stop moves a whole tab on.
float nextTabStop(float pen, float tabWidth) {
    return tabWidth * (std::trunc(pen / tabWidth) + 1.0f);
}

// Screen units per font unit at line height size.
float unitScale(float size) {
    return size / glyphTable[0].glyphHeight;
}

// Walks text as measuring sees it, calling lineEnd(pen) at each line feed and at the end.
template <typename LineEnd> void walkLines(const char* text, float size, LineEnd lineEnd) {
    const float scale = unitScale(size), tabWidth = 2.0f * size;
    float pen = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == kLineFeed) {
            lineEnd(pen);
            pen = 0;
        } else if (*p == kTab) {
            pen = nextTabStop(pen, tabWidth);
        } else if (const GlyphRecord* glyph = glyphOf(*p)) {
            pen += glyph->glyphWidth * scale;
        }
    }
    lineEnd(pen);
}

// Draws one glyph quad inside glBegin(GL_QUADS), each vertex after its texture coordinate.
void emitImmediateGlyph(void*, const GlyphQuad& g) {
    glTexCoord2f(g.s0, g.t0);
    glVertex3f(g.x0, g.y0, 0);
    glTexCoord2f(g.s0, g.t1);
    glVertex3f(g.x0, g.y1, 0);
    glTexCoord2f(g.s1, g.t1);
    glVertex3f(g.x1, g.y1, 0);
    glTexCoord2f(g.s1, g.t0);
    glVertex3f(g.x1, g.y0, 0);
}

void uploadTexture(const FontFileContents& font) {
    glGenTextures(1, &textureName);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 2, font.header.textureWidth, font.header.textureHeight,
                      GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, font.texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
}

// Makes font the texture font: its texture, its glyph table, and the font loaded.
void installFont(FontFileContents& font) {
    uploadTexture(font);
    textureWidth = font.header.textureWidth;
    textureHeight = font.header.textureHeight;
    firstChar = font.header.firstChar;
    lastChar = font.header.lastChar;
    glyphTable = std::move(font.glyphs);
    fontLoaded = true;
}

// Reports why the font file fileName was not loaded, and gives false.
bool refuseFontFile(const char* fileName, const std::string& why) {
    reportDiagnostic(Diagnostic{fileName, 0, 0, Severity::Error, why + "; no text is drawn"});
    return false;
}

}  // namespace

const GlyphRecord* glyphOf(unsigned char byte) {
    const int code = static_cast<signed char>(byte);
    if (!fontLoaded || code < firstChar || code > lastChar)
        return nullptr;
    return &glyphTable[code - firstChar];
}

bool loadTextureFont(FILE* file) {
    FontFileContents font;
    if (!readFontFile(file, font))
        return false;
    installFont(font);
    return true;
}

bool loadTextureFontFile(const char* fileName) {
    std::string problem;
    const int descriptor = openRegularFile(fileName, &problem);
    if (descriptor < 0)
        return refuseFontFile(fileName, "cannot read the font file: " + problem);
    FILE* file = fdopen(descriptor, "rb");
    if (!file) {
        close(descriptor);
        return refuseFontFile(fileName, "cannot read the font file");
    }
    FontFileContents font;
    if (!readFontFile(file, font, &problem))
        return refuseFontFile(fileName, "font file refused: " + problem);
    installFont(font);
    return true;
}

void releaseGlyphTable() {
    fontLoaded = false;
    glyphTable.clear();
    glyphTable.shrink_to_fit();
}

void measureText(const char* text, float size, float& width, float& height) {
    if (!fontLoaded || !text)
        return;
    const float used = size != 0 ? size : currentTextSize;
    float widest = 0, lines = 0;
    walkLines(text, used, [&](float pen) {
        widest = pen > widest ? pen : widest;
        lines += 1;
    });
    width = widest;
    height = lines * used;
}

float measureTextWidth(const char* text) {
    if (!fontLoaded || !text)
        return 0;
    float widest = 0;
    walkLines(text, currentTextSize, [&](float pen) { widest = pen > widest ? pen : widest; });
    return widest;
}

bool layoutText(const char* text, float x, float y, float size, bool alignRight, GlyphEmitter emit,
                void* context) {
    if (!fontLoaded)
        return false;
    if (size != 0)
        currentTextSize = size;
    else
        size = currentTextSize;
    if (!text)
        text = "";
    const float scale = unitScale(size), tabWidth = 2.0f * size;
    if (alignRight)
        x -= measureTextWidth(text);
    const float lineStart = x;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == kLineFeed) {
            x = lineStart;
            y += size;
        } else if (*p == kTab) {
            // Drawn tab stops count from x = 0 of the current coordinates, not from lineStart.
            x = nextTabStop(x, tabWidth);
        } else if (const GlyphRecord* glyph = glyphOf(*p)) {
            const float w = glyph->glyphWidth * scale;
            emit(context, {glyph->texLeft, glyph->texTop, glyph->texRight, glyph->texBottom, x, y,
                           x + w, y + size});
            x += w;
        }
    }
    return true;
}

void drawText(const char* text, float x, float y, float size, bool alignRight) {
    if (!fontLoaded)
        return;
    glEnable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GEQUAL, 0.1f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glBegin(GL_QUADS);
    layoutText(text, x, y, size, alignRight, emitImmediateGlyph, nullptr);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

}  // namespace trellis
