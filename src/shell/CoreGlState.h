// CoreGlState: in a context without the fixed-function pipeline (a core profile, OpenGL ES),
// the host's GL state that the shader renderer depends on or changes, saved by hand (there is
// no glPushAttrib), set to what the interface draws with, and put back after.
#pragma once

#include <vector>

namespace trellis {

struct GlContextInfo;

// The host's state around one drawInterface.
class CoreGlState {
public:
    // Saves the host's state and leaves the interface's: no program, arrays or buffers of the
    // host's, texture unit 0 active with no sampler object, every switch that changes what lands
    // in the framebuffer off, all colour channels written, filled polygons, depth range 0..1.
    void saveAndNeutralise(const GlContextInfo& context);
    void restore() const;  // puts back what saveAndNeutralise saved

private:
    std::vector<unsigned int> switches;  // the switches saved
    std::vector<unsigned char> enabled;  // and whether each was on
    int program = 0, vertexArray = 0, arrayBuffer = 0, unpackBuffer = 0;
    int activeTexture = 0, texture = 0, sampler = 0;
    int blend[6] = {};  // source and destination factors, colour and alpha; equations
    int depthFunc = 0;
    unsigned char depthMask = 1, colourMask[4] = {};
    float depthRange[2] = {}, clearDepth = 1, lineWidth = 1;
    int polygonMode[2] = {}, viewport[4] = {}, scissorBox[4] = {};
    bool desktop = true;
};

}  // namespace trellis
