// trellis-render's command line and its run: a dialogue drawn off screen into a PNG file.
#pragma once

#include "InterfaceFiles.h"

#include <string>

namespace trellis {

// What to render, as the command line gave it.
struct RenderOptions {
    InterfaceFiles files;  // font, skin file, skin names and dialogue
    std::string output;    // the PNG file to write
    int width = 1024;      // the framebuffer's size in pixels, the demo window's by default
    int height = 768;
    bool pointerGiven = false;  // whether the pointer is placed at all
    int pointerX = 0;           // its position in pixels from the top-left
    int pointerY = 0;
    int pressedButton = -1;   // a mouse button held at the pointer (0 left, 1 right, 2 middle)
    bool debugLines = false;  // the demo's three debug lines in the bottom-right corner
};

// Parses the arguments into options. Returns -1 to go on, or the exit status after printing
// the help or the version (0), or what is wrong with the arguments (2).
int parseRenderOptions(int argc, char** argv, RenderOptions& options);

// Renders as options say and writes the image; 0 on success, 1 (with a message on standard
// error) when the context, a file or the output cannot be had.
int runRender(const RenderOptions& options);

}  // namespace trellis
