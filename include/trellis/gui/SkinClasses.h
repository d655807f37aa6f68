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

// Every state that some class draws a look for from a state section ("hover", "pressed", ...).
const std::vector<std::string>& lookStateNames();

// The states whose sections ("button:hover") the elements of skinClass draw from; empty for a
// class without state looks.
std::vector<std::string> lookStatesOf(const std::string& skinClass);

}  // namespace trellis
