// Building the interface from a dialogue file.
#pragma once

#include <functional>
#include <vector>

namespace trellis {

class GuiElement;

constexpr const char* kDialogueFileName = "testDialogue.xml";  // read from the working directory

// Builds the windows and buttons of the dialogue file under the root element, copying every
// attribute of a named element into the skin section of that name first. A missing, unreadable
// or malformed file builds nothing and gives false, and so does any file before the screen
// units are fixed.
bool loadDialogue(const char* fileName = kDialogueFileName);

// Like loadDialogue, under parent (detached elements go to the root, if there is one), and
// appends the elements built directly under parent to topLevel, in file order.
bool loadDialogue(const char* fileName, GuiElement* parent, std::vector<GuiElement*>& topLevel);

// Called with each element a dialogue file builds, once it has read its attributes, with its tag
// and the line and column where the tag stands: tools check elements where the file has them.
using BuiltElementObserver =
    std::function<void(const GuiElement& element, const char* tag, int line, int column)>;

// Sets the observer of the elements built from here on; an empty one (the default) for none.
void observeBuiltElements(BuiltElementObserver observer);

}  // namespace trellis
