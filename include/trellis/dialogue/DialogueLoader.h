// Building the interface from a dialogue file.
#pragma once

namespace trellis {

constexpr const char* kDialogueFileName = "testDialogue.xml";  // read from the working directory

// Builds the windows and buttons of the dialogue file under the root element, copying every
// attribute of a named element into the skin section of that name first. A missing, unreadable
// or malformed file builds nothing and gives false.
bool loadDialogue(const char* fileName = kDialogueFileName);

}  // namespace trellis
