// trellis-preview's command line and its window: a dialogue shown live, reloaded whenever its
// dialogue, skin, font file or pictures are saved.
#pragma once

#include "InterfaceFiles.h"

namespace trellis {

// The key that shows the next skin of the skin file; no element takes it.
constexpr int kNextSkinKey = 291;  // GLFW_KEY_F2

// The key that moves the diagnostics panel between the bottom and the top of the window.
constexpr int kMovePanelKey = 292;  // GLFW_KEY_F3

// The key that folds the diagnostics panel to one line, and unfolds it.
constexpr int kFoldPanelKey = 293;  // GLFW_KEY_F4

// Parses the arguments into files. Returns -1 to go on, or the exit status after printing the
// help or the version (0), or what is wrong with the arguments (2).
int parsePreviewOptions(int argc, char** argv, InterfaceFiles& files);

// Opens the window and shows the interface until the window is closed (0). 1, with the reason
// on standard error, when the window cannot be opened. SIGTERM, SIGINT or SIGHUP closes the
// window and removes the copies of the files, then ends the program by that signal.
int runPreview(const InterfaceFiles& files);

}  // namespace trellis
