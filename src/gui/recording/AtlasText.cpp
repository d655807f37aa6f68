// Atlas text: the chain's glyph quads turned into picture quads.
#include "trellis/gui/AtlasText.h"

#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"

#include <vector>

namespace trellis {

namespace {

// The quads of one text, grouped into runs of one texture as they come.
struct QuadRuns {
    Color color;
    std::vector<RecordedVertex> vertices;
    std::vector<unsigned int> textures;  // one per quad
};

void collectQuad(void* to, const GlyphQuad& g) {
    auto& runs = *static_cast<QuadRuns*>(to);
    const Color& c = runs.color;
    runs.vertices.push_back({g.x0, g.y0, g.s0, g.t0, c});
    runs.vertices.push_back({g.x0, g.y1, g.s0, g.t1, c});
    runs.vertices.push_back({g.x1, g.y1, g.s1, g.t1, c});
    runs.vertices.push_back({g.x1, g.y0, g.s1, g.t0, c});
    runs.textures.push_back(g.texture);
}

}  // namespace

bool atlasTextDraws() {
    return activeFontChain().size() > 0;
}

void recordAtlasText(DrawRecorder& out, const char* text, float x, float y, float size,
                     bool alignRight, const Color& color) {
    QuadRuns runs{color, {}, {}};
    layoutText(text, x, y, size, alignRight, collectQuad, &runs);
    for (size_t i = 0; i < runs.textures.size();) {
        size_t j = i;
        while (j < runs.textures.size() && runs.textures[j] == runs.textures[i])
            ++j;
        out.pictureQuads(&runs.vertices[i * 4], int(j - i) * 4, runs.textures[i], true);
        i = j;
    }
}

}  // namespace trellis
