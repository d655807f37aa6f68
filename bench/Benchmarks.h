// The benchmark families. BenchMain registers them with the sizes of a full or a smoke run;
// TableReporter knows their names and counters.
#pragma once

#include <vector>

namespace trellis {

// "frame/<buttons>": a trellis frame and its floor, alternately, in the window, for at least
// minSeconds of CPU time per run.
void registerFrameBenchmarks(const std::vector<int>& buttonCounts, double minSeconds);

// "peer/<buttons>": on the peer scene, the batched renderer as it runs, the immediate renderer,
// the floor, Dear ImGui (when built with it) and an empty frame, in turns; "peer_full/<buttons>":
// the batched renderer drawing every frame in full; "peer_change/<buttons>": an unchanged frame
// and one where a button's colour changed, in turns.
void registerPeerBenchmarks(const std::vector<int>& buttonCounts, double minSeconds);

// "mixed/<elements>": a dialogue of scrolling panels holding labels, check boxes, sliders, text
// fields and pictures, drawn by the batched renderer as it runs (the pointer still) and in full,
// by the shader renderer and by the immediate path, in turns, with each one's draw calls.
void registerMixedBenchmarks(const std::vector<int>& elementCounts, double minSeconds);

// "listbox/<items>": a window holding a list box of that many items, loaded from a file (load
// ms), then scrolled a row a frame (frames reused where they can be) and drawn in full.
void registerListBenchmarks(const std::vector<int>& itemCounts, double minSeconds);

// "animated_compat/<buttons>", "animated_core/<buttons>": the peer grid with every button
// recoloured every frame; "hud_compat/<buttons>", "hud_core/<buttons>": a HUD window of that
// many buttons over a host triangle turned every frame; trellis, Dear ImGui and the host's
// frame alone in turns, in the compatibility and in a 3.3 core context.
void registerMovingBenchmarks(const std::vector<int>& animatedCounts,
                              const std::vector<int>& hudCounts, double minSeconds);

// Draws frames of a moving scene for a profiler ("animated" or "hud", with "core" after it in
// the core context); false for an unknown kind.
bool profileMoving(const char* kind, int buttons, int frames);

// "latin_still/<labels>", "latin_animated/<labels>", "japanese_still/<labels>",
// "japanese_animated/<labels>": the text scene (TextScene.h) by trellis in a TrueType font, Dear
// ImGui (when built with it) in the same font at the same size and an empty frame, in turns,
// the texts unchanged or all changed every frame; with the glyph atlases' sizes.
void registerTextBenchmarks(int latinLabels, int japaneseLabels, double minSeconds);

// Draws frames of the text scene for a profiler ("latin" or "japanese", "animated" after it for
// texts changed every frame); false for an unknown kind.
bool profileText(const char* kind, int labels, int frames);

// Draws frames of one kind ("trellis" or "floor") for a profiler; false for an unknown kind.
bool profileFrames(const char* kind, int buttons, int frames);

// "load/<elements>", "load_scaling/<elements>", "reskin/<elements>", "find/flat/<siblings>",
// "find/deep/<levels>", "memory/<elements>" and "skins/<skins>".
struct DialogueSizes {
    std::vector<int> load;    // dialogue elements per loaded file
    int scalingElements;      // loaded beside ten loads of a tenth of it
    int scalingRuns;          // repetitions of that: its ratio is the noisiest of all
    std::vector<int> reskin;  // dialogue elements in the re-skinned tree
    int flatSiblings;         // children of the root in the flat pointer search
    int depth;                // levels in the deep pointer search
    int memoryElements;       // dialogue elements measured for bytes per element
    std::vector<int> skins;   // skins in the skin file that every skin is loaded from
};
void registerDialogueBenchmarks(const DialogueSizes& sizes);

// Runs one kind of work ("load", "parse" or "reskin") at a size for a profiler; false for an
// unknown kind.
bool profileDialogue(const char* kind, int elements, int runs);

// "editing/<bytes>": a character typed in the middle of a text field holding that many
// characters, and a step of a drag selecting in it.
void registerEditingBenchmarks(const std::vector<int>& bytes);

// "startup": process start to the first frame drawn, and "demo_memory": the demo's peak
// resident memory, each over the given number of runs.
void registerStartupBenchmarks(int runs);

}  // namespace trellis
