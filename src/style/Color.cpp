// Colour arithmetic.
#include "trellis/style/Color.h"

namespace trellis {

Color scaleColor(const Color& color, float factor) {
    Color result = color;
    for (int i = 0; i < 3; ++i) {
        float v = color.rgba[i] * factor;
        if (v > 255)
            v = 255;
        result.rgba[i] = static_cast<unsigned char>(v);
    }
    return result;
}

}  // namespace trellis
