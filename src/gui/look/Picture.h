// Picture: a decoded PNG picture shared by every image that shows it, with its texture in each
// GL context that draws it.
#pragma once

#include "font/GlContextId.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace trellis {

// RGBA pixels, rows from the top, kept for the picture's life so that each context that draws
// it can make its own texture (contexts do not share textures).
class Picture {
public:
    // Takes width x height pixels of rgba.
    Picture(int width, int height, std::vector<uint8_t> rgba);
    // Deletes the texture of the context current now, if the picture made one there; those of
    // other contexts go with their contexts.
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The picture's texture in the current context, made at the first call in each context;
    // the texture bound before stays bound.
    unsigned int texture();

    const int width, height;  // pixels
    const bool opaque;        // every pixel's alpha is 255

private:
    std::vector<uint8_t> pixels;
    std::vector<std::pair<GlContextId, unsigned int>> textures;  // by the context holding each
};

// Whether every pixel of rgba (four bytes each) has alpha 255.
bool allOpaque(const std::vector<uint8_t>& rgba);

// One opaque white pixel, for the vertex colours alone to show through a blended picture quad
// (a translucent background); the interface's own, made at the first call.
Picture& whitePicture();

// Deletes the interface's white pixel and its texture in the current context, for an interface
// going away.
void releaseWhitePicture();

}  // namespace trellis
