// Image: an element showing a PNG picture scaled into its rectangle.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trellis {

// A picture from a PNG file, stretched over the element's rectangle between the texture
// coordinates (u0, v0) and (u1, v1), tinted by bgColor (white shows it as it is); skinned as
// "image". Without a usable picture it draws as a plain element.
class Image : public GuiElement {
public:
    // No picture yet; skinned as "image".
    Image(const char* name, GuiElement* parent, float x, float y, float width, float height);
    ~Image() override;  // deletes the picture's texture, if one was made

    void draw() override;  // the picture, or GuiElement's quad without one
    // Adds "src": a PNG file, relative to the folder of the file the element comes from.
    void loadAttributes(const AttributeSource& element) override;

    // Reads the PNG file at path (relative to the working directory); false, with the
    // reason in problem and no picture, when it cannot be read.
    bool loadPicture(const char* path, std::string& problem);
    // Whether a picture was read.
    bool hasPicture() const { return pictureWidth > 0; }

    int pictureWidth = 0, pictureHeight = 0;  // pixels; 0 without a picture

private:
    std::vector<uint8_t> pixels;      // RGBA rows from the top, until the texture is made
    unsigned int pictureTexture = 0;  // GL texture name, made at the first draw
};

}  // namespace trellis
