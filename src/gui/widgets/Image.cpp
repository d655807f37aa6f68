// Images: reading the PNG (once for all the images of a load), and drawing it.
#include "trellis/gui/Image.h"

#include "trellis/gui/Button.h"

#include "gui/look/Picture.h"
#include "gui/look/PictureLoad.h"
#include "trellis/gui/AttributeSource.h"

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
    loadPictureAttribute(element, "src");
}

bool Image::containsPoint(float px, float py) {
    return !dynamic_cast<Button*>(parent) && GuiElement::containsPoint(px, py);
}

void Image::loadPictureAttribute(const AttributeSource& element, const char* attribute) {
    const char* source = textAttribute(element, attribute);
    if (!source || !*source) {
        element.reportValue(attribute, std::string(source ? "is empty" : "is missing") +
                                           ": no picture to show; drawn as a plain element");
        return;
    }
    // A relative path is taken from the folder of the file that names it.
    std::filesystem::path path(source);
    if (path.is_relative() && element.sourcePath())
        path = std::filesystem::path(element.sourcePath()).parent_path() / path;
    std::string problem;
    if (!loadPicture(path.string().c_str(), problem))
        element.reportValue(attribute, problem + "; drawn without its picture");
}

void Image::draw() {
    drawDescribed(&Image::describe);
}

bool Image::record(DrawRecorder& out) {
    return recordDescribed<Image>(out, &Image::describe, false);
}

void Image::describe(DrawRecorder& out) {
    if (!hasPicture()) {
        recordQuad(out);
        return;
    }
    // Made at the first use in each context, and shared with the images of the same picture.
    const unsigned int pictureTexture = picture->texture();
    RecordedVertex quad[4];
    quadVertices(quad);
    // A picture's transparent parts let what lies beneath show, as text does; blending an
    // opaque picture in an opaque tint would give its own colours, so it is not blended.
    const bool blended = !picture->opaque || bgColor.rgba[3] != 255;
    out.pictureQuads(quad, 4, pictureTexture, blended);
}

}  // namespace trellis
