// The loader's side of the element tags: which tags it builds itself, and building one of the
// program's.
#pragma once

#include <string>
#include <vector>

namespace trellis {

class AttributeSource;
class GuiElement;

// The tags the loader builds itself.
const std::vector<const char*>& builtInTags();

// Whether the loader builds tag itself.
bool isBuiltInTag(const char* tag);

// The element the factory registered for tag builds under parent, with the skin applied once it
// is complete; null when no factory is registered for tag or it builds nothing.
GuiElement* buildTaggedElement(const char* tag, const AttributeSource& attributes, const char* name,
                               GuiElement* parent);

// Registers tag for a checker that has no class behind it: it builds a plain element whose skin
// class is the tag, and whose attributes all belong to the program (none is reported unread).
// An empty tag or one the loader builds itself is left alone.
void registerStandInTag(const std::string& tag);

// Whether tag was registered by registerStandInTag.
bool isStandInTag(const char* tag);

}  // namespace trellis
