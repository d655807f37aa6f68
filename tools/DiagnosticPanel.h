// The diagnostics panel of trellis-preview: the last reload's diagnostics, errors first, drawn
// over the bottom or the top of the window with the interface's own font, in full or folded to
// one line.
#pragma once

#include "trellis/diagnostics/Diagnostic.h"

#include <string>
#include <vector>

namespace trellis {

// The most diagnostics the panel lists; a line after them counts the rest.
constexpr int kPanelLines = 8;

// Where the panel stands and how much it shows.
struct PanelPlacement {
    bool atTop = false;   // along the top of the window rather than the bottom
    bool folded = false;  // one line: the counts and the first diagnostic
};

// A diagnostic as one line of text: compiler style, or "error: message" when it has no file.
std::string diagnosticLine(const Diagnostic& diagnostic);

// The diagnostics in the panel's order: errors, then warnings, then notes; within a severity by
// file (files in the order they first appear, those without a file last), line and column.
std::vector<Diagnostic> panelOrder(const std::vector<Diagnostic>& diagnostics);

// The folded panel's line for diagnostics in the panel's order: how many of each severity, then
// the first diagnostic ("2 errors, 47 warnings: testDialogue.xml:3:1: error: ..."); "" for none.
std::string foldedLine(const std::vector<Diagnostic>& ordered);

// Draws diagnostics already in the panel's order (panelOrder), coloured by severity, on a dark
// panel across a framebuffer of the given size, over what is there; nothing when there are
// none. Uses the interface's screen units and font; leaves GL's defaults as they were.
void drawDiagnosticPanel(const std::vector<Diagnostic>& ordered, int framebufferWidth,
                         int framebufferHeight, PanelPlacement placement = {});

}  // namespace trellis
