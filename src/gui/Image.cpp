// Images: reading the PNG, making its texture once, and drawing it.
#include "trellis/gui/Image.h"

#include "files/PngFile.h"
#include "trellis/gui/AttributeSource.h"

#include <GL/gl.h>
#include <filesystem>

namespace trellis {

Image::Image(const char* name, GuiElement* parent, float x, float y, float width, float height)
    : GuiElement(name, parent, x, y, width, height) {
    skinClass = "image";
    GuiElement::applySkin(skinStore);
}

Image::~Image() {
    // Only with a context current: without one the name would belong to nobody, or to another.
    if (pictureTexture && glGetString(GL_VERSION))
        glDeleteTextures(1, &pictureTexture);
}

bool Image::loadPicture(const char* path, std::string& problem) {
    PngImage image;
    if (pictureTexture && glGetString(GL_VERSION))
        glDeleteTextures(1, &pictureTexture);
    pictureTexture = 0;
    const bool read = readPngFile(path, image, &problem);
    pictureWidth = read ? image.width : 0;
    pictureHeight = read ? image.height : 0;
    pixels = std::move(image.rgba);
    return read;
}

void Image::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    const char* source = textAttribute(element, "src");
    if (!source)
        return;
    // A relative path is taken from the folder of the file that names it.
    std::filesystem::path path(source);
    if (path.is_relative() && element.sourcePath())
        path = std::filesystem::path(element.sourcePath()).parent_path() / path;
    std::string problem;
    if (!loadPicture(path.string().c_str(), problem))
        element.reportValue("src", problem + "; drawn without its picture");
}

void Image::draw() {
    if (!hasPicture()) {
        GuiElement::draw();
        return;
    }
    // Whatever texture the caller had bound (the font's) is bound again afterwards.
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    if (!pictureTexture) {
        glGenTextures(1, &pictureTexture);
        glBindTexture(GL_TEXTURE_2D, pictureTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        GLint unpack = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, pictureWidth, pictureHeight, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, pixels.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, unpack);
        // The pixels live on in the texture.
        std::vector<uint8_t>().swap(pixels);
    }
    // GuiElement's quad samples whatever texture is bound when its texture is non-zero. A
    // picture's transparent parts let what lies beneath show, as text does.
    glBindTexture(GL_TEXTURE_2D, pictureTexture);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const unsigned int skinTexture = texture;
    texture = pictureTexture;
    GuiElement::draw();
    texture = skinTexture;
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
}

}  // namespace trellis
