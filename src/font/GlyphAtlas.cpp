// GlyphAtlas: shelf packing of glyph rasters into pages, page-wise eviction of the least
// recently used, and the pages' textures per GL context.
#include "GlyphAtlas.h"

#include "DefaultUnpack.h"
#include "GlContext.h"
#include "state/KeptVariable.h"

#include <algorithm>
#include <cmath>

namespace trellis {

namespace {

constexpr int kGap = 1;  // empty texels between rasters, so that filtering never mixes two

uint64_t glyphKey(const FontFace& face, unsigned int glyph, int pixelsPerEm) {
    return (uint64_t(face.serial()) << 32) | (uint64_t(pixelsPerEm) << 16) | (glyph & 0xFFFF);
}

}  // namespace

void GlyphAtlas::beginUse() {
    ++use;
}

bool GlyphAtlas::find(const FontFace& face, unsigned int glyph, int pixelsPerEm,
                      AtlasGlyph& found) {
    const uint64_t key = glyphKey(face, glyph, pixelsPerEm);
    const auto known = glyphs.find(key);
    if (known != glyphs.end()) {
        found = known->second;
        if (found.page >= 0)
            pages[size_t(found.page)].lastUse = use;
        return true;
    }
    const int rastered = std::min(pixelsPerEm, kLargestRaster);
    GlyphRaster raster;
    if (glyph > 0xFFFF || !face.rasterise(glyph, rastered, raster))
        return false;
    AtlasGlyph made;
    made.scale = float(pixelsPerEm) / float(rastered);
    made.left = int(std::lround(raster.left * made.scale));
    made.top = int(std::lround(raster.top * made.scale));
    if (raster.width > 0 && raster.height > 0) {
        if (!place(raster.width, raster.height, made.page, made.x, made.y))
            return false;
        made.width = raster.width;
        made.height = raster.height;
        Page& page = pages[size_t(made.page)];
        for (int y = 0; y < raster.height; ++y)
            std::copy_n(raster.cover.begin() + long(y) * raster.width, raster.width,
                        page.cover.begin() + long(made.y + y) * kPageSide + made.x);
        page.keys.push_back(key);
        page.lastUse = use;
        page.version = ++versions;
        page.placed.push_back({made.x, made.y, made.width, made.height, page.version});
    }
    glyphs[key] = made;
    found = made;
    return true;
}

bool GlyphAtlas::placeInPage(Page& page, int width, int height, int& x, int& y) {
    // The first shelf tall enough, and not much taller, with room left on it.
    for (Shelf& shelf : page.shelves)
        if (shelf.height >= height && shelf.height <= height + height / 2 + 2 &&
            shelf.used + width <= kPageSide) {
            x = shelf.used;
            y = shelf.y;
            shelf.used += width + kGap;
            return true;
        }
    if (page.bottom + height > kPageSide || width > kPageSide)
        return false;
    page.shelves.push_back({page.bottom, height, width + kGap});
    x = 0;
    y = page.bottom;
    page.bottom += height + kGap;
    return true;
}

bool GlyphAtlas::place(int width, int height, int& page, int& x, int& y) {
    if (width > kPageSide || height > kPageSide)
        return false;
    for (size_t i = 0; i < pages.size(); ++i)
        if (placeInPage(pages[i], width, height, x, y)) {
            page = int(i);
            return true;
        }
    if (int(pages.size()) < pageLimit) {
        pages.emplace_back();
        pages.back().cover.assign(size_t(kPageSide) * kPageSide, 0);
        pages.back().version = pages.back().emptiedAt = ++versions;
        page = int(pages.size()) - 1;
        return placeInPage(pages.back(), width, height, x, y);
    }
    // Every page is full: the one used least recently is emptied, unless the drawing under way
    // has used them all.
    size_t oldest = 0;
    for (size_t i = 1; i < pages.size(); ++i)
        if (pages[i].lastUse < pages[oldest].lastUse)
            oldest = i;
    Page& victim = pages[oldest];
    if (victim.lastUse == use)
        return false;
    for (uint64_t key : victim.keys)
        glyphs.erase(key);
    victim.keys.clear();
    victim.shelves.clear();
    victim.placed.clear();
    victim.bottom = 0;
    std::fill(victim.cover.begin(), victim.cover.end(), 0);
    victim.version = victim.emptiedAt = ++versions;
    ++emptied;
    page = int(oldest);
    return placeInPage(victim, width, height, x, y);
}

unsigned int GlyphAtlas::texture(int page) {
    if (page < 0 || size_t(page) >= pages.size())
        return 0;
    std::vector<ContextPage>& here = textures[currentContextKey()];
    if (here.size() < pages.size())
        here.resize(pages.size());
    ContextPage& made = here[size_t(page)];
    const Page& source = pages[size_t(page)];
    const bool exists = made.name && glIsTexture(made.name);
    if (exists && made.version == source.version)
        return made.name;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    const GlContextInfo context = currentGlContext();
    DefaultUnpack unpack(context.es || context.version >= 21);
    if (!exists) {
        GLuint name = 0;
        glGenTextures(1, &name);
        made.name = name;
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    } else {
        glBindTexture(GL_TEXTURE_2D, made.name);
    }
    // A texture that saw the page since it was last emptied takes only the rasters added since.
    if (exists && made.version >= source.emptiedAt) {
        for (const Placement& p : source.placed)
            if (p.version > made.version)
                upload(source, p.x, p.y, p.width, p.height, false);
    } else {
        upload(source, 0, 0, kPageSide, kPageSide, true);
    }
    made.version = source.version;
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    return made.name;
}

void GlyphAtlas::upload(const Page& page, int x, int y, int width, int height, bool whole) {
    std::vector<unsigned char> texels(size_t(width) * height * 4, 255);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            texels[(size_t(row) * width + column) * 4 + 3] =
                page.cover[size_t(y + row) * kPageSide + x + column];
    if (whole)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     texels.data());
    else
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                        texels.data());
}

void GlyphAtlas::setPageLimit(int limit) {
    pageLimit = std::max(limit, 1);
    if (int(pages.size()) > pageLimit)
        clear();
}

int GlyphAtlas::pageCount() const {
    return int(pages.size());
}

size_t GlyphAtlas::coverageBytes() const {
    return pages.size() * size_t(kPageSide) * kPageSide;
}

uint64_t GlyphAtlas::evictions() const {
    return emptied;
}

void GlyphAtlas::clear() {
    // Textures of the current context go now; those of others stay until their context next
    // draws, when the page versions tell they are behind.
    auto here = textures.find(currentContextKey());
    if (here != textures.end()) {
        for (ContextPage& p : here->second)
            if (p.name && glIsTexture(p.name))
                glDeleteTextures(1, &p.name);
        textures.erase(here);
    }
    pages.clear();
    glyphs.clear();
}

namespace {
GlyphAtlas atlas;
const bool perInterface = keepPerInterface(atlas);
}  // namespace

GlyphAtlas& glyphAtlas() {
    return atlas;
}

}  // namespace trellis
