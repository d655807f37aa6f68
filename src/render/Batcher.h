// Batcher: draws a recorded frame with a few vertex-array draw calls and the same pixels as the
// immediate path. Within each stretch between hand-overs, all unblended primitives go first,
// one call per state, in any order: each carries a depth that falls with painter's order and
// the depth test (LESS) keeps the latest one at every pixel. Then all glyphs go in one call, in
// painter's order, blended, depth-tested but not writing depth: a glyph behind a later
// unblended primitive is rejected, and one in front blends onto exactly the colour the
// immediate path has there. Elements that draw by themselves get their draw() in their place.
// Blended primitives of different states, textures or clips go in separate calls: where two of
// them overlap, the later one's call comes later, so that they keep painter's order where it
// matters. Clipped primitives are drawn under a scissor of their clip, or, by the shader
// renderer, all together through programs that cut each to the clip box its vertices carry.
// With the fixed-function pipeline, clipped primitives of one state and texture share a call
// under a scissor spanning their clips where none of them lights a pixel inside that scissor
// but outside its own clip: the scissor then keeps exactly the pixels each one's clip would.
#pragma once

#include "DrawList.h"
#include "ShaderPipeline.h"

#include <cstddef>
#include <vector>

namespace trellis {

// Turns a DrawList into batches and issues them.
class Batcher {
public:
    // Draws the frame's primitives that meet only (all of them when only is null, then under a
    // scissor of only's box) and its hand-overs. Returns the index of the mark after which the
    // rest of the frame must be drawn by the immediate path, because an element's draw() left
    // GL state behind that later drawing would see, or -1.
    long draw(const DrawList& list, const PixelBox* only);

    size_t drawCalls = 0;  // draw calls of the last draw

    // Draws the batches that follow through pipeline (the shader renderer), or with
    // fixed-function client arrays when null; fixedFunction says whether elements that draw by
    // themselves can be handed over (a core context has nothing they could draw with), and
    // ordered that the framebuffer has no depth buffer to keep painter's order with, so that
    // primitives go in painter's order, consecutive ones of a state together.
    void useShaders(ShaderPipeline* pipeline, bool fixedFunction, bool ordered);

    // Leaves the state the immediate path leaves at the end of a frame: no blending or alpha
    // test, its texturing, colour and texture coordinate. Parts the frame did not set are put
    // back as the last draw found them when restore is set, else left as GL holds them.
    void leaveEndState(const ImmediateState& end, bool restore) const;

private:
    // What one draw call shares: its state, texture (for pictures) and clip.
    struct BatchKey {
        DrawState state;
        uint32_t clip;
        unsigned int texture;
        bool operator==(const BatchKey& o) const {
            return state == o.state && clip == o.clip && texture == o.texture;
        }
    };
    struct Batch {
        BatchKey key;
        uint32_t first, count;  // range in sorted
    };
    // Primitives of one key, gathered from a stretch.
    struct Bucket {
        BatchKey key;
        std::vector<uint32_t> primitives;
    };
    // The primitives between two hand-overs or depth clears, and what ends the stretch.
    struct Stretch {
        uint32_t firstBatch, endBatch;
        long handOver;    // mark drawn by its own draw() after the stretch, or -1
        bool clearDepth;  // the depth buffer starts over after the stretch
    };
    // The clip of a key whose primitives carry their clips in their vertices (shaders only).
    static constexpr uint32_t kClipInVertices = ~uint32_t(0);
    BatchKey keyOf(const DrawList& list, uint32_t primitive) const;
    void prepare(const DrawList& list, const PixelBox* only);
    // Gives the clipped primitives of a stretch shared scissors where they can have them.
    void shareScissors(const DrawList& list, uint32_t begin, uint32_t end, const PixelBox* only);
    void batchStretch(const DrawList& list, uint32_t begin, uint32_t end, const PixelBox* only);
    void appendBatch(const DrawList& list, const BatchKey& key, const uint32_t* primitives,
                     size_t count);
    void orderBlended(const DrawList& list);  // blended: layers of non-overlapping calls
    void beginBatches();
    void endBatches();
    void setState(const BatchKey& key);
    void setClip(uint32_t clip);             // the scissor for clip (and only)
    void clearDepthTo(float value) const;    // the depth clear value
    bool handOver(const ElementMark& mark);  // false: left state behind

    std::vector<DrawVertex> sorted;
    std::vector<float> sortedClips;  // with clipsInVertices: each sorted vertex's clip box
    bool clipsInVertices = false;    // the shader renderer draws a frame that has clips
    std::vector<Batch> batches;
    std::vector<Stretch> stretches;
    std::vector<Bucket> buckets;  // the unblended keys of a stretch (the first bucketsUsed)
    size_t bucketsUsed = 0;
    std::vector<uint32_t> blended;           // a stretch's blended primitives, in painter's order
    std::vector<int> layers;                 // each one's layer, as orderBlended finds them
    std::vector<uint32_t> order, reordered;  // orderBlended's sorting
    std::vector<int> reorderedLayers;
    std::vector<std::vector<uint32_t>> cells;  // orderBlended's grid: entries of blended
    // The scissors keys name (as DrawPrimitive::clip names the frame's clips): the frame's
    // clips, then the boxes shared by clipped primitives of several clips.
    std::vector<PixelBox> scissors;
    std::vector<uint32_t> scissorOf;  // each primitive's scissor, as DrawPrimitive::clip
    // A shared scissor still taking primitives: their state and texture, and the bounds of the
    // pixels they would light outside their own clips, which the scissor must not reach.
    struct SharedScissor {
        DrawState state;
        unsigned int texture;
        uint32_t scissor;
        PixelBox outside;
    };
    std::vector<SharedScissor> shared;
    // The clipped primitives of a stretch of one clip, state and texture, and the bounds of
    // what they would light outside the clip; next: the clip's unit of another state or texture.
    struct Unit {
        DrawState state;
        unsigned int texture;
        uint32_t clip;
        PixelBox outside;
        uint32_t next;
        uint32_t scissor;  // the scissor it shares
    };
    static constexpr uint32_t kNoUnit = ~uint32_t(0);
    std::vector<Unit> units;
    std::vector<uint32_t> unitOf;  // by clip: its first unit, or kNoUnit
    BatchKey current{};
    bool stateSet = false;                // current holds the state set
    long scissorFor = -1;                 // the clip the scissor is set for, or -1 (none set)
    const PixelBox* repairBox = nullptr;  // draw's only
    int savedTexture = 0;                 // the texture bound when the frame began
    ShaderPipeline* shaders = nullptr;
    bool handOvers = true, inOrder = false;
    // Saved around the batches.
    int savedArrayBuffer = 0, savedClientTexture = 0, savedDepthFunc = 0;
    unsigned char savedDepthMask = 1;
    float savedClearDepth = 1;
    // What the frame started with, then what the last hand-over's draw() left: used where the
    // recorder could not know the state.
    float leftColor[4] = {1, 1, 1, 1}, leftTexCoord[4] = {};
    bool leftTexturing = false;
};

}  // namespace trellis
