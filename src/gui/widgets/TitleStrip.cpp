// Laying titles out side by side.
#include "trellis/gui/TitleStrip.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/ScreenUnits.h"

namespace trellis {

std::vector<float> titleStripEdges(const std::vector<const std::string*>& titles, float fontSize) {
    std::vector<float> edges{0};
    const float inset = snapToPixel(fontSize * 0.5f);
    for (const std::string* title : titles) {
        float width = 0, height = 0;
        measureText(title->c_str(), fontSize, width, height);
        edges.push_back(edges.back() + snapToPixel(width) + 2 * inset);
    }
    return edges;
}

size_t titleStripIndexAt(const std::vector<float>& edges, float x) {
    for (size_t i = 0; i + 1 < edges.size(); ++i)
        if (x >= edges[i] && x < edges[i + 1])
            return i;
    return edges.empty() ? 0 : edges.size() - 1;
}

}  // namespace trellis
