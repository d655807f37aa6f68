// SkinClasses: the skin classes that the element classes style themselves by.
#pragma once

#include <string>
#include <vector>

namespace trellis {

// Every skin class an element class sets ("global", "button", "title", "window", ...): a skin
// section or an element name equal to one of them styles every element of that class.
const std::vector<std::string>& skinClassNames();

// Whether name is one of skinClassNames().
bool isSkinClassName(const std::string& name);

}  // namespace trellis
