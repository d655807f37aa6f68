// TitleStrip: titles side by side in a strip (tabs' headers, a menu bar), where each lies and
// which one a point is on.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace trellis {

// The left edges of titles set side by side at fontSize, each padded by half the size on both
// sides, and the right edge of the last: one more edge than titles.
std::vector<float> titleStripEdges(const std::vector<const std::string*>& titles, float fontSize);

// The index of the title whose span holds x, or the number of titles when none does.
size_t titleStripIndexAt(const std::vector<float>& edges, float x);

}  // namespace trellis
