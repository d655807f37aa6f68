// The floor of a frame: the GL call stream that a trellis frame issues, worked out once into
// flat arrays and replayed by a plain loop that runs no trellis code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trellis {

class GuiElement;

// One glyph quad: texture rectangle and corners, exactly as the text drawing computes them.
struct FloorGlyph {
    float s0, t0, s1, t1;  // texture left, top, right, bottom
    float x0, y0, x1, y1;  // left, top, right, bottom
};

// A run of glyphs drawn between one glBegin and glEnd.
struct FloorText {
    uint32_t begin = 0, end = 0;  // range in FloorScene::glyphs
};

// What one element draws, in drawing order, with everything computed in advance.
struct FloorNode {
    enum : uint8_t { kQuad = 1, kBorder = 2, kText = 4, kBevel = 8 };

    float x, y;               // translation
    float width, height;      // quad size
    float u0, v0, u1, v1;     // quad texture coordinates
    unsigned char bg[4];      // quad colour
    unsigned char font[4];    // text colour
    unsigned char first[4];   // bevel: top and left lines; border: the light shade
    unsigned char second[4];  // bevel: bottom and right lines; border: the dark shade
    unsigned char border[4];  // border: the colour along the element's edge
    float borderWidth;        // snapped frame width
    float pixel;              // bevel inset
    uint8_t parts;            // which of the k* parts it draws
    bool textured;            // quad textured
    uint16_t pops;            // matrices popped after it: its own and its finished ancestors'
    FloorText text;           // glyphs, when kText is set
};

// A whole frame: projection, the tree's nodes and the debug line.
struct FloorScene {
    double screenWidth = 0;          // projection right edge, screen units
    unsigned int texture = 0;        // the font texture
    std::vector<FloorNode> nodes;    // pre-order; nodes[0] is the root
    std::vector<FloorGlyph> glyphs;  // every glyph of the frame
    FloorText debugLine;             // the pointer line, white
};

// Works out the call stream that drawFrame issues for the tree under root while no element is
// hovered or focused. Returns false, with why in error, for a tree it cannot mirror.
bool buildFloorScene(const GuiElement* root, FloorScene& scene, std::string& error);

// Issues the scene's call stream: the same calls with the same arguments in the same order as
// drawFrame, from the arrays alone.
void drawFloorFrame(const FloorScene& scene);

}  // namespace trellis
