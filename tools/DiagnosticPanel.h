// The diagnostics panel of trellis-preview: the last reload's diagnostics, drawn over the
// bottom of the window with the interface's own font.
#pragma once

#include "trellis/diagnostics/Diagnostic.h"

#include <string>
#include <vector>

namespace trellis {

// The most diagnostics the panel lists; a line after them counts the rest.
constexpr int kPanelLines = 8;

// A diagnostic as one line of text: compiler style, or "error: message" when it has no file.
std::string diagnosticLine(const Diagnostic& diagnostic);

// Draws the diagnostics, coloured by severity, on a dark panel along the bottom of a
// framebuffer of the given size, over what is there; nothing when there are none. Uses the
// interface's screen units and font; leaves GL's defaults as they were.
void drawDiagnosticPanel(const std::vector<Diagnostic>& diagnostics, int framebufferWidth,
                         int framebufferHeight);

}  // namespace trellis
