// Skin pictures: looked up in an element's sections, and recorded in nine slices.
#include "trellis/gui/SkinImage.h"

#include "gui/look/SkinImageAtlas.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>

namespace trellis {

namespace {

// The picture named path; -1 when there is none to show.
int pictureAt(const char* path) {
    if (!path || !*path)
        return -1;
    std::string problem;
    return skinImageAtlas().add(path, problem);
}

// slice when it is four non-negative numbers that fit picture together, else all zero.
void readSlice(const char* text, int picture, float (&slice)[4]) {
    float read[4] = {0, 0, 0, 0};
    if (picture >= 0 && parseSliceText(text, read)) {
        const AtlasPlace& place = skinImageAtlas().place(picture);
        if (read[0] + read[2] > float(place.width) || read[1] + read[3] > float(place.height))
            std::fill(read, read + 4, 0.0f);
    }
    std::copy(read, read + 4, slice);
}

// Three edges along one side of the rectangle (from, from + first, to - last, to), the two
// inner ones snapped; the corners shrunk together where they would overlap.
void sliceEdges(float from, float to, float first, float last, float (&edges)[4]) {
    const float room = to - from, corners = first + last;
    if (corners > room && corners > 0) {
        first *= room / corners;
        last = room - first;
    }
    edges[0] = from;
    edges[1] = snapToPixel(from + first);
    edges[2] = std::max(edges[1], snapToPixel(to - last));
    edges[3] = to;
}

}  // namespace

bool SkinImage::operator==(const SkinImage& other) const {
    return picture == other.picture && std::equal(slice, slice + 4, other.slice);
}

SkinImage skinImageIn(const SkinSections& sections) {
    SkinImage image;
    image.picture = pictureAt(sections.findInSkins("image"));
    if (image.shown())
        readSlice(sections.findInSkins("slice"), image.picture, image.slice);
    return image;
}

bool stateSkinImage(const SkinSections& sections, SkinImage& image) {
    const char* path = sections.findInState("image", true);
    const char* slice = sections.findInState("slice", true);
    if (!path && !slice)
        return false;
    if (path)
        image.picture = pictureAt(path);
    // A state's slices apply to its own picture, or to the resting one.
    readSlice(slice ? slice : sections.findInSkins("slice"), image.picture, image.slice);
    return true;
}

void recordSkinImage(DrawRecorder& out, const SkinImage& image, float left, float top, float right,
                     float bottom, const Color& tint) {
    if (!image.shown() || right <= left || bottom <= top)
        return;
    SkinImageAtlas& atlas = skinImageAtlas();
    const AtlasPlace& place = atlas.place(image.picture);
    // One image pixel to one screen pixel at the corners.
    float xs[4], ys[4];
    sliceEdges(left, right, image.slice[0] * pixelSize, image.slice[2] * pixelSize, xs);
    sliceEdges(top, bottom, image.slice[1] * pixelSize, image.slice[3] * pixelSize, ys);
    const float w = float(atlas.width()), h = float(atlas.height());
    const float us[4] = {float(place.x) / w, float(place.x + image.slice[0]) / w,
                         float(place.x + place.width - image.slice[2]) / w,
                         float(place.x + place.width) / w};
    const float vs[4] = {float(place.y) / h, float(place.y + image.slice[1]) / h,
                         float(place.y + place.height - image.slice[3]) / h,
                         float(place.y + place.height) / h};
    RecordedVertex quads[36];
    int count = 0;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            if (xs[column] >= xs[column + 1] || ys[row] >= ys[row + 1])
                continue;
            const float x0 = xs[column], x1 = xs[column + 1], y0 = ys[row], y1 = ys[row + 1];
            const float u0 = us[column], u1 = us[column + 1], v0 = vs[row], v1 = vs[row + 1];
            quads[count++] = {x0, y0, u0, v0, tint};
            quads[count++] = {x0, y1, u0, v1, tint};
            quads[count++] = {x1, y1, u1, v1, tint};
            quads[count++] = {x1, y0, u1, v0, tint};
        }
    if (count > 0)
        out.pictureQuads(quads, count, atlas.texture(), !place.opaque || tint.alpha() != 255);
}

unsigned long skinImageGeneration() {
    return skinImageAtlas().generation();
}

}  // namespace trellis
