// The list of skin classes. A new element class with a skin class of its own adds it here.
#include "trellis/gui/SkinClasses.h"

#include <algorithm>

namespace trellis {

const std::vector<std::string>& skinClassNames() {
    static const std::vector<std::string> names = {
        "global",    "button", "title",   "window",   "textfield", "panel", "label",
        "checkbox",  "slider", "image",   "row",      "column",    "grid",  "progress",
        "separator", "radio",  "spinbox", "dropdown", "tooltip"};
    return names;
}

bool isSkinClassName(const std::string& name) {
    const std::vector<std::string>& names = skinClassNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace trellis
