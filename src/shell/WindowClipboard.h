// The window library's clipboard behind the text fields' copy, cut and paste.
#pragma once

namespace trellis {

// Connects the interface's clipboard to the window library's, through the window whose
// context is current at each copy or paste, when a window library context is current now.
void useWindowClipboard();

}  // namespace trellis
