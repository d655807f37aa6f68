// Loading the texture font into GL, and the line walk that measures and draws text.
#include "trellis/font/TextureFont.h"

#include "DefaultUnpack.h"
#include "FontTexture.h"
#include "GlContext.h"
#include "GlyphAtlas.h"
#include "files/RegularFile.h"
#include "state/KeptVariable.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/font/FontChain.h"
#include "trellis/font/Utf8Decode.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <unistd.h>
#include <unordered_map>

namespace trellis {

bool fontLoaded = false;
unsigned int textureName = 0;
int textureWidth = 0, textureHeight = 0;
int firstChar = 0, lastChar = 0;
std::vector<GlyphRecord> glyphTable;
float currentTextSize = 2.0f;

namespace {

// The loaded font's texels, for the textures of other contexts.
FontLevel loadedTexels;
uint32_t loads = 0;
const void* loadContext = nullptr;  // the context textureName belongs to

// The font's texture in a context other than the loading one, and the load it was made from.
struct ContextTexture {
    unsigned int name = 0;
    uint32_t load = 0;
};
std::unordered_map<const void*, ContextTexture> otherContexts;

const bool perInterface =
    keepPerInterface(fontLoaded, textureName, textureWidth, textureHeight, firstChar, lastChar,
                     glyphTable, currentTextSize, loadedTexels, loads, loadContext, otherContexts);

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

// The glyph drawn for a character of the texture font: its own, or the font's '?' for a
// character it lacks; null for a control character, or when the font has neither.
const GlyphRecord* drawnGlyph(unsigned int code) {
    if (const GlyphRecord* glyph = glyphOfCharacter(code))
        return glyph;
    return isControlCharacter(code) ? nullptr : glyphOfCharacter('?');
}

// Walks text as measuring sees it, calling lineEnd(pen) at each line feed and at the end.
template <typename LineEnd> void walkLines(const char* text, float size, LineEnd lineEnd) {
    const float scale = unitScale(size), tabWidth = 2.0f * size;
    float pen = 0;
    for (size_t at = 0; text[at];) {
        const unsigned int code = nextCharacter(text, at);
        if (code == kLineFeed) {
            lineEnd(pen);
            pen = 0;
        } else if (code == kTab) {
            pen = nextTabStop(pen, tabWidth);
        } else if (const GlyphRecord* glyph = drawnGlyph(code)) {
            pen += glyph->glyphWidth * scale;
        }
    }
    lineEnd(pen);
}

// Whether text is drawn with the chain of TrueType faces rather than the texture font.
bool chainDraws() {
    return activeFontChain().size() > 0;
}

// The chain's lines of text at line height size (screen units), laid out in pixels.
const std::vector<TextLine>& chainLines(const char* text, float size) {
    const float pixels = textPixelsPerUnit();
    return activeFontChain().lines(text, size * pixels, 2.0f * size * pixels);
}

// The widest of lines, in screen units.
float widestLine(const std::vector<TextLine>& lines) {
    return widestLinePixels(lines) / textPixelsPerUnit();
}

// Lays text out with the chain as layoutText does, each quad naming its atlas page's texture.
void layoutChainText(const char* text, float x, float y, float size, bool alignRight,
                     GlyphEmitter emit, void* context) {
    const FontChain& chain = activeFontChain();
    const float pixels = textPixelsPerUnit(), linePixels = size * pixels;
    const std::vector<TextLine>& lines = chainLines(text, size);
    if (alignRight)
        x -= widestLine(lines);
    const int em = chain.pixelsPerEm(linePixels);
    const float baseline = chain.baseline(linePixels);
    GlyphAtlas& atlas = glyphAtlas();
    atlas.beginUse();
    // Every glyph is found before any texture is asked for, so that each page is brought up
    // to date once.
    std::vector<std::pair<AtlasGlyph, GlyphQuad>> found;
    for (size_t i = 0; i < lines.size(); ++i) {
        const float top = y + float(i) * size;
        for (const PlacedGlyph& g : lines[i].glyphs) {
            AtlasGlyph a;
            if (!atlas.find(chain.face(size_t(g.face)), g.glyph, em, a) || a.page < 0)
                continue;
            const float left = std::round(g.x) + float(a.left);
            const float upper = baseline + std::round(g.y) - float(a.top);
            const float side = float(GlyphAtlas::kPageSide);
            GlyphQuad q{float(a.x) / side,
                        float(a.y) / side,
                        float(a.x + a.width) / side,
                        float(a.y + a.height) / side,
                        x + left / pixels,
                        top + upper / pixels,
                        x + (left + float(a.width) * a.scale) / pixels,
                        top + (upper + float(a.height) * a.scale) / pixels};
            found.emplace_back(a, q);
        }
    }
    std::vector<unsigned int> textures(size_t(atlas.pageCount()), 0);
    for (auto& [a, q] : found) {
        unsigned int& texture = textures[size_t(a.page)];
        if (!texture)
            texture = atlas.texture(a.page);
        q.texture = texture;
        emit(context, q);
    }
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

// Draws text with the chain: blended quads of the atlas pages in the current colour, as
// picture quads are drawn, leaving texturing and blending off and the texture font's texture
// bound as the texture font's drawing leaves it.
void drawChainText(const char* text, float x, float y, float size, bool alignRight) {
    std::vector<GlyphQuad> quads;
    layoutText(
        text, x, y, size, alignRight,
        [](void* to, const GlyphQuad& q) {
            static_cast<std::vector<GlyphQuad>*>(to)->push_back(q);
        },
        &quads);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (size_t i = 0; i < quads.size();) {
        glBindTexture(GL_TEXTURE_2D, quads[i].texture);
        glBegin(GL_QUADS);
        const unsigned int texture = quads[i].texture;
        for (; i < quads.size() && quads[i].texture == texture; ++i)
            emitImmediateGlyph(nullptr, quads[i]);
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, fontTextureHere());
}

void uploadTexture(const FontLevel& font) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 2, font.width, font.height, GL_LUMINANCE_ALPHA,
                      GL_UNSIGNED_BYTE, font.texels.data());
}

// The filters and wrapping of the font texture bound.
void setFontSampling(GLint clamp) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, clamp);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, clamp);
}

bool isPowerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

// Makes font the texture font: its texture, its glyph table, and the font loaded.
void installFont(FontFileContents& font) {
    loadedTexels = {font.header.textureWidth, font.header.textureHeight, std::move(font.texels)};
    ++loads;
    loadContext = currentContextKey();
    // Without the fixed-function pipeline only the shader renderer draws text, with textures
    // it makes in each context from the texels kept here.
    textureName = 0;
    if (currentGlContext().fixedFunction) {
        glGenTextures(1, &textureName);
        glBindTexture(GL_TEXTURE_2D, textureName);
        uploadTexture(loadedTexels);
        setFontSampling(GL_CLAMP);
    }
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

const GlyphRecord* glyphOfCharacter(unsigned int code) {
    // Codes 128 to 255 are baked as the signed bytes -128 to -1.
    if (code < 128 || (code < 256 && firstChar < 0))
        return glyphOf(static_cast<unsigned char>(code));
    return nullptr;
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

std::vector<FontLevel> fontMipmaps() {
    std::vector<FontLevel> levels;
    if (!fontLoaded || !isPowerOfTwo(loadedTexels.width) || !isPowerOfTwo(loadedTexels.height))
        return levels;
    levels.push_back(loadedTexels);
    while (levels.back().width > 1 || levels.back().height > 1) {
        const FontLevel& big = levels.back();
        FontLevel half{std::max(big.width / 2, 1), std::max(big.height / 2, 1), {}};
        half.texels.resize(size_t(half.width) * half.height * 2);
        // Each texel the rounded mean of the two or four it covers, channel by channel.
        const int dx = big.width > 1 ? 1 : 0, dy = big.height > 1 ? 1 : 0;
        const int count = (dx + 1) * (dy + 1);
        for (int y = 0; y < half.height; ++y)
            for (int x = 0; x < half.width; ++x)
                for (int c = 0; c < 2; ++c) {
                    int sum = 0;
                    for (int oy = 0; oy <= dy; ++oy)
                        for (int ox = 0; ox <= dx; ++ox)
                            sum +=
                                big.texels[(size_t((y << dy) + oy) * big.width + (x << dx) + ox) *
                                               2 +
                                           c];
                    half.texels[(size_t(y) * half.width + x) * 2 + c] =
                        static_cast<unsigned char>((sum + count / 2) / count);
                }
        levels.push_back(std::move(half));
    }
    return levels;
}

unsigned int makeFontTexture(const GlContextInfo& context) {
    if (!fontLoaded)
        return 0;
    DefaultUnpack unpack(context.es || context.version >= 21);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (context.fixedFunction) {
        uploadTexture(loadedTexels);
        setFontSampling(GL_CLAMP);
        return texture;
    }
    const std::vector<FontLevel> levels = fontMipmaps();
    // Core profiles have no luminance-alpha textures: red-green ones are read as luminance-alpha
    // through a swizzle. OpenGL ES keeps luminance-alpha, and WebGL 2 has no swizzles.
    const GLenum format = context.es ? GL_LUMINANCE_ALPHA : GL_RG;
    const GLint internalFormat = context.es ? GL_LUMINANCE_ALPHA : GL_RG8;
    for (size_t level = 0; level < levels.size(); ++level)
        glTexImage2D(GL_TEXTURE_2D, GLint(level), internalFormat, levels[level].width,
                     levels[level].height, 0, format, GL_UNSIGNED_BYTE,
                     levels[level].texels.data());
    const GLint swizzle[4] = {GL_RED, GL_RED, GL_RED, GL_GREEN};
    for (int i = 0; i < 4 && !context.es; ++i)
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_R + i, swizzle[i]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(levels.size()) - 1);
    // GL_CLAMP is gone from core profiles: it filters with the (transparent black) border
    // at the edges, which the border clamp does too for coordinates within 0..1 (beyond,
    // GL_CLAMP stops at half a texel of border; OpenGL ES has no border at all).
    setFontSampling(context.es ? GL_CLAMP_TO_EDGE : GL_CLAMP_TO_BORDER);
    return texture;
}

unsigned int fontTextureHere() {
    if (!fontLoaded)
        return 0;
    const void* key = currentContextKey();
    if (key == loadContext && textureName)
        return textureName;
    ContextTexture& made = otherContexts[key];
    if (made.name && made.load == loads && glIsTexture(made.name))
        return made.name;
    // Made from an earlier font in this very context: it goes.
    if (made.name && glIsTexture(made.name))
        glDeleteTextures(1, &made.name);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    made = {makeFontTexture(currentGlContext()), loads};
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    return made.name;
}

void deleteFontTextures() {
    if (!glGetString(GL_VERSION))
        return;
    const void* key = currentContextKey();
    if (key == loadContext && textureName && glIsTexture(textureName))
        glDeleteTextures(1, &textureName);
    const auto made = otherContexts.find(key);
    if (made != otherContexts.end()) {
        if (made->second.name && glIsTexture(made->second.name))
            glDeleteTextures(1, &made->second.name);
        otherContexts.erase(made);
    }
}

void releaseGlyphTable() {
    fontLoaded = false;
    glyphTable.clear();
    glyphTable.shrink_to_fit();
}

void measureText(const char* text, float size, float& width, float& height) {
    if (!text || !(fontLoaded || chainDraws()))
        return;
    const float used = size != 0 ? size : currentTextSize;
    if (chainDraws()) {
        const std::vector<TextLine>& lines = chainLines(text, used);
        width = widestLine(lines);
        height = float(lines.size()) * used;
        return;
    }
    float widest = 0, lines = 0;
    walkLines(text, used, [&](float pen) {
        widest = pen > widest ? pen : widest;
        lines += 1;
    });
    width = widest;
    height = lines * used;
}

float measureTextHeight(const char* text, float size) {
    if (!text || !(fontLoaded || chainDraws()))
        return 0;
    // Every line feed starts a line, in both fonts: no byte of a longer sequence is one.
    const size_t feeds = size_t(std::count(text, text + std::strlen(text), char(kLineFeed)));
    return float(feeds + 1) * (size != 0 ? size : currentTextSize);
}

float measureTextWidth(const char* text) {
    if (text && chainDraws())
        return widestLine(chainLines(text, currentTextSize));
    if (!fontLoaded || !text)
        return 0;
    float widest = 0;
    walkLines(text, currentTextSize, [&](float pen) { widest = pen > widest ? pen : widest; });
    return widest;
}

std::vector<unsigned int> undrawableCharacters(const char* text) {
    if (chainDraws())
        return activeFontChain().missingCharacters(text);
    std::vector<unsigned int> missing;
    for (size_t at = 0; text && text[at];) {
        const unsigned int code = nextCharacter(text, at);
        if (!isControlCharacter(code) && !glyphOfCharacter(code) &&
            std::find(missing.begin(), missing.end(), code) == missing.end())
            missing.push_back(code);
    }
    return missing;
}

bool drawsCharacter(unsigned int code) {
    if (isControlCharacter(code))
        return false;
    return chainDraws() ? activeFontChain().faceFor(code) >= 0 : glyphOfCharacter(code) != nullptr;
}

bool layoutText(const char* text, float x, float y, float size, bool alignRight, GlyphEmitter emit,
                void* context) {
    if (!fontLoaded && !chainDraws())
        return false;
    if (size != 0)
        currentTextSize = size;
    else
        size = currentTextSize;
    if (!text)
        text = "";
    if (chainDraws()) {
        layoutChainText(text, x, y, size, alignRight, emit, context);
        return true;
    }
    const float scale = unitScale(size), tabWidth = 2.0f * size;
    if (alignRight)
        x -= measureTextWidth(text);
    const float lineStart = x;
    for (size_t at = 0; text[at];) {
        const unsigned int code = nextCharacter(text, at);
        if (code == kLineFeed) {
            x = lineStart;
            y += size;
        } else if (code == kTab) {
            // Drawn tab stops count from x = 0 of the current coordinates, not from lineStart.
            x = nextTabStop(x, tabWidth);
        } else if (const GlyphRecord* glyph = drawnGlyph(code)) {
            const float w = glyph->glyphWidth * scale;
            emit(context, {glyph->texLeft, glyph->texTop, glyph->texRight, glyph->texBottom, x, y,
                           x + w, y + size});
            x += w;
        }
    }
    return true;
}

void drawText(const char* text, float x, float y, float size, bool alignRight) {
    if (chainDraws()) {
        drawChainText(text, x, y, size, alignRight);
        return;
    }
    if (!fontLoaded)
        return;
    glEnable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GEQUAL, 0.1f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, fontTextureHere());
    glBegin(GL_QUADS);
    layoutText(text, x, y, size, alignRight, emitImmediateGlyph, nullptr);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

}  // namespace trellis
