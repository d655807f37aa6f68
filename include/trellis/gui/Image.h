// Image: an element showing a PNG picture scaled into its rectangle.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <memory>
#include <string>

namespace trellis {

class Picture;

// A picture from a PNG file, stretched over the element's rectangle between the texture
// coordinates (u0, v0) and (u1, v1), tinted by bgColor (white shows it as it is); skinned as
// "image". Without a usable picture it draws as a plain element. The images of one dialogue
// that name the same file share one copy of its pixels, and one texture per GL context.
class Image : public GuiElement {
public:
    // No picture yet; skinned as "image".
    Image(const char* name, GuiElement* parent, float x, float y, float width, float height);
    ~Image() override;  // lets go of the picture; the last image showing it deletes it

    void draw() override;                     // the picture, or GuiElement's quad without one
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain Image
    // Adds "src": a PNG file, relative to the folder of the file the element comes from. A
    // missing "src" and a picture that cannot be read are reported.
    void loadAttributes(const AttributeSource& element) override;
    // Inside a button it is never hit: the press goes to the button under it.
    bool containsPoint(float px, float py) override;
    // Loads the picture the attribute names (as "src" does), reporting why it could not.
    void loadPictureAttribute(const AttributeSource& element, const char* attribute);

    // Reads the PNG file at path (relative to the working directory), or shares it with the
    // images of the dialogue being loaded; false, with the reason in problem and no picture,
    // when it cannot be read or the dialogue's pictures would hold too many pixels.
    bool loadPicture(const char* path, std::string& problem);
    // Whether a picture was read.
    bool hasPicture() const { return picture != nullptr; }
    // The picture shown (shared by the images of one file), or null: tells pictures apart.
    const Picture* shownPicture() const { return picture.get(); }

    int pictureWidth = 0, pictureHeight = 0;  // pixels; 0 without a picture

private:
    void describe(DrawRecorder& out);  // the look, for draw and record alike
    std::shared_ptr<Picture> picture;  // null without a picture
};

}  // namespace trellis
