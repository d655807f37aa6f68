// FontTexture: the loaded font's texels kept after loading, so that each context that draws
// text can have a texture of its own made from them.
#pragma once

#include <cstdint>
#include <vector>

namespace trellis {

struct GlContextInfo;

// One level of the font texture: luminance and alpha bytes per texel, rows from t = 0.
struct FontLevel {
    int width = 0, height = 0;
    std::vector<unsigned char> texels;
};

// The mipmap levels the compatibility path's GLU builds from the loaded font, for a texture
// of two bytes per texel (halved by a box filter down to 1 x 1); empty without a font, or for
// a texture whose sides are not powers of two (GLU rescales those first).
std::vector<FontLevel> fontMipmaps();

// Makes the loaded font's texture in the current context (described by context), with its
// filters and wrapping, and leaves it bound: in a context with the fixed-function pipeline as
// luminance-alpha mipmaps built by GLU, in OpenGL ES (and WebGL) as luminance-alpha levels, else
// as red-green levels read as luminance-alpha through a swizzle. 0 without a font. Uploads with
// the default unpack state, whatever the context's is, and puts it back.
unsigned int makeFontTexture(const GlContextInfo& context);

// The loaded font's texture in the current context: textureName in the context that loaded it,
// else one made for this context from the kept texels (anew after the font changed); 0 without
// a font. Leaves the texture binding as it was.
unsigned int fontTextureHere();

// Deletes the font's textures in the current context (the one it was loaded in, or one made for
// it), for an interface going away; those of other contexts are left to them.
void deleteFontTextures();

}  // namespace trellis
