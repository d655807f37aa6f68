// Shared by the benchmarks: the window and font, fresh global tables between runs, generated
// files in a private folder, linear-time tree teardown, CPU clocks, a timed frame and the
// registration of frame families.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

// Declared only: the start-up probe, which includes this header, links no benchmark library.
namespace benchmark {
class State;
}

namespace trellis {

// Opens the demo's window once (openWindow: 1024 x 768, visible; the benchmarks run under
// their own X server), fixes the screen units and loads the baked font from the build's run
// folder. Returns false, after saying why, when there is no display or no font.
bool openBenchWindow();

// The build's run folder: the demo's font, skin and dialogue files.
std::string runFolder();

// A path for a generated file in a private folder that is removed at exit.
std::string benchFile(const std::string& name);
void writeTextFile(const std::string& path, const std::string& text);

// A skin file with the skins "default" and "test" that style every class.
const std::string& benchSkinFile();

// The name of a registered callback that does nothing; generated dialogues bind it.
constexpr const char* kBenchCallbackName = "benchClick";
void registerBenchCallback();

// Starts over as a new process would before loading a dialogue: deletes the tree the previous
// call built, empties the element registry and the skin store, merges the skin "default" from
// benchSkinFile(), and builds a new root as rootElement.
GuiElement* freshGui();

// How many times freshGui has started over: a tree built after the last start is still there.
unsigned freshGuiCount();

// A root element that is attached to nothing, whatever rootElement currently holds.
GuiElement* newDetachedRoot();

// Deletes element and everything below it in time linear in the size of the tree.
void deleteTree(GuiElement* element);

// The number of elements in the tree under element, element included.
inline size_t countTree(const GuiElement* element) {
    size_t count = 1;
    for (const GuiElement* child : element->children)
        count += countTree(child);
    return count;
}

// Seconds of CPU time on the given clock (CLOCK_PROCESS_CPUTIME_ID counts llvmpipe's
// rasteriser threads too; CLOCK_THREAD_CPUTIME_ID only the calling thread).
double cpuSeconds(clockid_t clock);

// One frame as the program draws it (clear, drawFrame, swap) with the renderer and frame reuse
// as they are set; its process CPU seconds, llvmpipe's rasteriser threads and the swap included.
double timedDrawFrame();

// Registers the family name with one run for each of sizes, timed in milliseconds of the
// process's CPU time, each run for at least minSeconds.
void registerFrameFamily(const char* name, const std::function<void(benchmark::State&)>& run,
                         const std::vector<int>& sizes, double minSeconds);

}  // namespace trellis
