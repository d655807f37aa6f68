// The host's own scene: a triangle turning in the middle of the window, drawn with GL state
// the host sets up itself. The interface knows nothing of it.
#pragma once

// The host's framebuffer size in pixels, kept up to date by its resize handler.
struct Viewport {
    int width = 800;
    int height = 600;
};
extern Viewport viewport;  // the host's own, beside trellis::viewport

// A triangle that turns at a steady speed and can change colour and direction.
class Scene {
public:
    // Turns the triangle by the time passed, in seconds.
    void advance(double seconds);

    // Draws the triangle into the whole viewport, setting its own projection and colour.
    void draw() const;

    // Makes the triangle turn the other way; true when it now turns anticlockwise.
    bool reverseSpin();

    // Moves on to the next colour of a small palette; returns its name.
    const char* nextColour();

    // Stops or restarts the turning; true when it now stands still.
    bool togglePause();

private:
    float angle = 0;  // degrees
    float degreesPerSecond = 60;
    int colour = 0;  // index into the palette
    bool paused = false;
};
