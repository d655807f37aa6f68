// Images: reading the PNG (once for all the images of a load), and drawing it.
#include "trellis/gui/Image.h"

#include "gui/Picture.h"
#include "gui/PictureLoad.h"
#include "trellis/gui/AttributeSource.h"

#include <GL/gl.h>
#include <filesystem>

namespace trellis {

Image::Image(const char* name, GuiElement* parent, float x, float y, float width, float height)
    : GuiElement(name, parent, x, y, width, height) {
    skinClass = "image";
    GuiElement::applySkin(skinStore);
}

Image::~Image() = default;

bool Image::loadPicture(const char* path, std::string& problem) {
    // Outside a dialogue's load the picture is a load of its own.
    std::unique_ptr<PictureLoad> own;
    if (!PictureLoad::current())
        own = std::make_unique<PictureLoad>();
    picture = PictureLoad::current()->picture(path ? path : "", problem);
    pictureWidth = picture ? picture->width : 0;
    pictureHeight = picture ? picture->height : 0;
    return picture != nullptr;
}

void Image::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    const char* source = textAttribute(element, "src");
    if (!source || !*source) {
        element.reportValue("src", std::string(source ? "is empty" : "is missing") +
                                       ": no picture to show; drawn as a plain element");
        return;
    }
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
    // Made at the first draw in each context, and shared with the images of the same picture.
    const unsigned int pictureTexture = picture->texture();
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
