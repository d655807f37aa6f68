// Color: four bytes, red, green, blue and alpha, handed to OpenGL unchanged.
#pragma once

namespace trellis {

// An RGBA colour as OpenGL takes it with glColor4ubv.
struct Color {
    unsigned char rgba[4];  // red, green, blue, alpha; 0 to 255 each

    unsigned char red() const { return rgba[0]; }    // red byte
    unsigned char green() const { return rgba[1]; }  // green byte
    unsigned char blue() const { return rgba[2]; }   // blue byte
    unsigned char alpha() const { return rgba[3]; }  // alpha byte

    bool operator==(const Color& other) const {
        return rgba[0] == other.rgba[0] && rgba[1] == other.rgba[1] && rgba[2] == other.rgba[2] &&
               rgba[3] == other.rgba[3];
    }
    bool operator!=(const Color& other) const { return !(*this == other); }
};

// Scales red, green and blue by factor, clamping at 255 and truncating; alpha is kept.
Color scaleColor(const Color& color, float factor);

}  // namespace trellis
