// Pictures: one texture per GL context, made from the shared pixels.
#include "gui/look/Picture.h"

#include "state/KeptVariable.h"

#include <GL/gl.h>
#include <algorithm>

namespace trellis {

bool allOpaque(const std::vector<uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4)
        if (rgba[i] != 255)
            return false;
    return true;
}

Picture::Picture(int width, int height, std::vector<uint8_t> rgba)
    : width(width), height(height), opaque(allOpaque(rgba)), pixels(std::move(rgba)) {}

Picture::~Picture() {
    if (textures.empty() || !glGetString(GL_VERSION))
        return;
    const GlContextId here = GlContextId::current();
    for (const auto& [context, name] : textures)
        if (context == here)
            glDeleteTextures(1, &name);
}

unsigned int Picture::texture() {
    const GlContextId here = GlContextId::current();
    const auto made = std::find_if(textures.begin(), textures.end(),
                                   [&here](const auto& entry) { return entry.first == here; });
    // A context made where a destroyed one was may carry its address: a name that does not
    // name a texture there is made again.
    if (made != textures.end() && glIsTexture(made->second))
        return made->second;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    GLint unpack = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpack);
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    if (made != textures.end())
        made->second = name;
    else
        textures.emplace_back(here, name);
    return name;
}

namespace {

// The interface's white pixel, made when first asked for. Never destroyed at exit, when no
// context may be current to delete its textures in; releaseWhitePicture deletes it.
Picture* white = nullptr;
const bool perInterface = keepPerInterface(white);

}  // namespace

Picture& whitePicture() {
    if (!white)
        white = new Picture(1, 1, std::vector<uint8_t>(4, 255));
    return *white;
}

void releaseWhitePicture() {
    delete white;
    white = nullptr;
}

}  // namespace trellis
