// GlyphAtlas: the rasters of TrueType glyphs at the sizes text was drawn at, packed into square
// pages that are added on demand up to a limit; when every page is full, the page used least
// recently is emptied for new glyphs. Each GL context gets its own textures of the pages.
#pragma once

#include "trellis/font/FontFace.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace trellis {

// Where a glyph's raster sits in the atlas.
struct AtlasGlyph {
    int page = -1;                            // -1: nothing to draw (an empty raster)
    int x = 0, y = 0, width = 0, height = 0;  // its texels in the page
    int left = 0, top = 0;                    // from the pen on the baseline to its top-left
                                              // pixel, y up, in drawn pixels
    float scale = 1;                          // drawn pixels per raster texel
};

// The glyph cache behind TrueType text.
class GlyphAtlas {
public:
    static constexpr int kPageSide = 512;        // texels on each side of a page
    static constexpr int kDefaultPageLimit = 8;  // pages at most: 2 MiB of coverage
    static constexpr int kLargestRaster = 256;   // pixels per em rasterised at most; larger
                                                 // sizes draw these rasters scaled

    // Starts a drawing: the glyphs it finds are not evicted to make room for others until
    // the next drawing starts.
    void beginUse();
    // The glyph of face at pixelsPerEm, rasterised and packed when first asked for; false when
    // it cannot be drawn (FreeType fails, or it fits nowhere).
    bool find(const FontFace& face, unsigned int glyph, int pixelsPerEm, AtlasGlyph& found);
    // The texture of page in the current GL context, made or brought up to date as needed;
    // RGBA, white with the coverage as alpha. Leaves the texture binding as it was.
    unsigned int texture(int page);
    // The most pages kept (at least 1; fewer pages are emptied at once); the default at start.
    void setPageLimit(int pages);
    // Pages in use now, and the bytes of coverage they hold.
    int pageCount() const;
    size_t coverageBytes() const;
    // Pages emptied to make room so far.
    uint64_t evictions() const;
    // Forgets every glyph and page (the textures of other contexts are remade when next used).
    void clear();

private:
    struct Shelf {
        int y, height, used;
    };
    // A raster written into a page, and the page version it made.
    struct Placement {
        int x, y, width, height;
        uint64_t version;
    };
    struct Page {
        std::vector<unsigned char> cover;
        std::vector<Shelf> shelves;
        std::vector<uint64_t> keys;
        std::vector<Placement> placed;  // since the page was last emptied
        int bottom = 0;
        uint64_t lastUse = 0;
        uint64_t version = 0;
        uint64_t emptiedAt = 0;  // the version the page was last emptied (or made) at
    };
    struct ContextPage {
        unsigned int name = 0;
        uint64_t version = 0;
    };
    // A place for a raster of width x height in some page (emptying one if need be).
    bool place(int width, int height, int& page, int& x, int& y);
    bool placeInPage(Page& page, int width, int height, int& x, int& y);
    // Uploads the texels of page in x..x+width, y..y+height to the bound texture, whole when
    // whole (glTexImage2D), else into it.
    static void upload(const Page& page, int x, int y, int width, int height, bool whole);

    std::vector<Page> pages;
    std::unordered_map<uint64_t, AtlasGlyph> glyphs;
    std::unordered_map<const void*, std::vector<ContextPage>> textures;
    int pageLimit = kDefaultPageLimit;
    uint64_t use = 1, emptied = 0, versions = 0;
};

// The atlas that text drawing uses.
GlyphAtlas& glyphAtlas();

}  // namespace trellis
