// Tags of the program's own: after registerElementTag, a dialogue file's <tag> builds an element
// of the program's class, like the tags the loader knows.
#pragma once

#include <functional>

namespace trellis {

class AttributeSource;
class GuiElement;

// Builds the element that a tag stands for, named name (null for an unnamed one) under parent,
// reading from attributes whatever its constructor needs. The loader then applies the skin to
// the finished element (its own applySkin, so the class's own style values count), loads its
// attributes with its loadAttributes and builds the children inside it. Null builds nothing.
using ElementFactory =
    std::function<GuiElement*(const char* name, GuiElement* parent, const AttributeSource&)>;

// Makes <tag> in dialogue files build with factory, in place of an earlier factory for tag.
// False, with nothing registered, for a null or empty tag, a tag the loader builds itself
// ("window", "button" and the others) or an empty factory.
bool registerElementTag(const char* tag, ElementFactory factory);

// Forgets the factory for tag: <tag> is an unknown tag again.
void unregisterElementTag(const char* tag);

}  // namespace trellis
