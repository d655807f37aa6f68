// The skin loader's reports on pictures and their slices.
#include "skin/SkinImageChecks.h"

#include "diagnostics/DiagnosticText.h"
#include "files/XmlReport.h"
#include "gui/look/SkinImageAtlas.h"
#include "skin/SkinPaths.h"
#include "trellis/style/SkinValues.h"

#include <cstdio>
#include <tinyxml.h>

namespace trellis {

namespace {

std::string pixels(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(value));
    return text;
}

}  // namespace

void checkSectionImage(const char* file, const TiXmlElement& section, const std::string& where) {
    const char* image = section.Attribute(kSkinImageAttribute);
    if (!image)
        return;
    const std::string attribute = "attribute " + quoted(kSkinImageAttribute) + " on " + where;
    if (!*image) {
        reportAtNode(file, section, Severity::Warning,
                     attribute + " is empty: no picture; drawn in its colours");
        return;
    }
    const std::string path = skinRelativePath(file, image);
    std::string problem;
    SkinImageAtlas& atlas = skinImageAtlas();
    atlas.refresh(path);
    const int picture = atlas.add(path, problem);
    if (picture < 0) {
        reportAtNode(file, section, Severity::Warning,
                     attribute + ": " + quoted(path) + " cannot be shown (" + problem +
                         "); drawn in its colours");
        return;
    }
    float slice[4];
    if (!parseSliceText(section.Attribute(kSkinSliceAttribute), slice))
        return;  // none, or reported as a style value
    const AtlasPlace& place = atlas.place(picture);
    const float across = slice[0] + slice[2], down = slice[1] + slice[3];
    std::string misfit;
    if (across > float(place.width))
        misfit = "left and right take " + pixels(across) + " of its " +
                 std::to_string(place.width) + " pixels across";
    else if (down > float(place.height))
        misfit = "top and bottom take " + pixels(down) + " of its " + std::to_string(place.height) +
                 " pixels down";
    if (!misfit.empty())
        reportAtNode(file, section, Severity::Warning,
                     "attribute " + quoted(kSkinSliceAttribute) + " on " + where + ": " +
                         quoted(section.Attribute(kSkinSliceAttribute)) +
                         " does not fit the picture (" + misfit +
                         "); the picture is stretched whole");
}

}  // namespace trellis
