// SkinImage: a picture that a skin gives an element for its background, scaled in nine slices:
// the corners keep their size, the edges stretch along their length, the middle both ways.
#pragma once

#include "trellis/gui/DrawRecorder.h"
#include "trellis/style/SkinStore.h"

namespace trellis {

// Which of the skins' pictures an element shows, and how it stretches.
struct SkinImage {
    int picture = -1;  // the picture's number among the skins' pictures; -1: none
    // Image pixels at the left, top, right and bottom that keep their size.
    float slice[4] = {0, 0, 0, 0};

    bool shown() const { return picture >= 0; }  // a picture is named and could be read
    bool operator==(const SkinImage& other) const;
    bool operator!=(const SkinImage& other) const { return !(*this == other); }
};

// The picture that sections give ("image", a PNG file, and "slice"), read from the skins only
// (an element's own attributes never name one). None without "image", or when the picture
// cannot be read; a "slice" that is not four non-negative numbers fitting the picture stretches
// it whole.
SkinImage skinImageIn(const SkinSections& sections);

// What the state sections among sections change of image: a picture or slices of their own.
// False, image unchanged, when the state names neither.
bool stateSkinImage(const SkinSections& sections, SkinImage& image);

// Records image stretched over left..right x top..bottom, in element units: opaque pictures
// unblended, others blended, each vertex coloured tint (white shows the picture as it is).
// Corners larger than the rectangle shrink together to fit.
void recordSkinImage(DrawRecorder& out, const SkinImage& image, float left, float top, float right,
                     float bottom, const Color& tint = Color{{255, 255, 255, 255}});

// Moves on whenever a picture joins the skins' pictures (which may move others in their
// texture): a frame recorded before then is out of date.
unsigned long skinImageGeneration();

}  // namespace trellis
