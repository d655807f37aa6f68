// DebugLines: the three lines drawn over every frame at the bottom right: the hovered element's
// skin class, the focus element's name and the pointer position.
#pragma once

namespace trellis {

constexpr float kDebugTextSize = 2.0f;     // screen units
constexpr float kDebugRightEdge = 132.0f;  // the lines end here, right-aligned
constexpr int kMaxDebugLines = 3;

// One line: its text and the y of its top, in screen units.
struct DebugLine {
    const char* text;
    float y;
};

// The lines to draw now, in drawing order, with the pointer line formatted into pointerLine;
// a missing hovered or focus element leaves its line out. Returns how many there are.
int currentDebugLines(DebugLine (&lines)[kMaxDebugLines], char (&pointerLine)[128]);

// Draws the lines in white with the texture font, in the current (screen-unit) coordinates.
void drawDebugLinesNow();

}  // namespace trellis
