// Loading the texture font into GL, and the line walk that measures and draws text.
#include "trellis/font/TextureFont.h"

#include "FontTexture.h"
#include "GlContext.h"
#include "files/RegularFile.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
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

// The default unpack state for the time of an upload, and the context's put back after.
class DefaultUnpack {
public:
    // unpackBuffers: the context has pixel-unpack buffers (OpenGL 2.1, OpenGL ES 3).
    explicit DefaultUnpack(bool unpackBuffers) : buffers(unpackBuffers) {
        for (int i = 0; i < kCount; ++i) {
            glGetIntegerv(kNames[i], &saved[i]);
            glPixelStorei(kNames[i], kDefaults[i]);
        }
        if (buffers) {
            glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &buffer);
            glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
        }
    }
    ~DefaultUnpack() {
        for (int i = 0; i < kCount; ++i)
            glPixelStorei(kNames[i], saved[i]);
        if (buffers)
            glBindBuffer(GL_PIXEL_UNPACK_BUFFER, GLuint(buffer));
    }

private:
    static constexpr int kCount = 5;
    static constexpr GLenum kNames[kCount] = {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH,
                                              GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS,
                                              GL_UNPACK_IMAGE_HEIGHT};
    static constexpr GLint kDefaults[kCount] = {1, 0, 0, 0, 0};
    GLint saved[kCount] = {};
    GLint buffer = 0;
    bool buffers;
};

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
    for (size_t level = 0; level < levels.size(); ++level)
        glTexImage2D(GL_TEXTURE_2D, GLint(level), GL_RG8, levels[level].width, levels[level].height,
                     0, GL_RG, GL_UNSIGNED_BYTE, levels[level].texels.data());
    const GLint swizzle[4] = {GL_RED, GL_RED, GL_RED, GL_GREEN};
    for (int i = 0; i < 4; ++i)
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
    glBindTexture(GL_TEXTURE_2D, fontTextureHere());
    glBegin(GL_QUADS);
    layoutText(text, x, y, size, alignRight, emitImmediateGlyph, nullptr);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

}  // namespace trellis
