// Measures over laid-out text.
#include "trellis/font/TextLayout.h"

#include <algorithm>

namespace trellis {

float widestLinePixels(const std::vector<TextLine>& lines) {
    float widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, line.width);
    return widest;
}

}  // namespace trellis
