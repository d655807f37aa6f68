// Dialogue loading beside TinyXML's own parse of the same file, re-skinning, the pointer search
// over a wide and a deep tree, and the memory a loaded element keeps.
#include "BenchSupport.h"
#include "Benchmarks.h"

#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <sstream>
#include <tinyxml.h>

namespace trellis {

namespace {

constexpr int kElementsPerGroup = 100;  // one top-level window and everything inside it

void writeButton(std::ostream& out, const std::string& name, int index, const char* indent) {
    out << indent << "<button name='" << name << "' text='Button " << index << "' x='1' y='"
        << 3 + 2.5 * (index % 10) << "' width='10' height='2' bgColor='"
        << (index % 2 ? "5a5a8cff" : "6a5a7cff") << "' onLeftClick='" << kBenchCallbackName << "'";
    if (index % 3 == 0)
        out << " fontColor='ffff00ff'";
    out << "/>\n";
}

void openWindowTag(std::ostream& out, const std::string& name, const char* title, int index,
                   float width, float height, const char* indent) {
    out << indent << "<window name='" << name << "' title='" << title << ' ' << index << "' x='"
        << 1 + index % 7 << "' y='" << 3 + index % 5 << "' width='" << width << "' height='"
        << height << "' bgColor='303030ff' borderColor='8080c0ff'>\n";
}

// Groups of 100 elements: a window holding six buttons and three panels, each panel holding
// three boxes of nine buttons, so windows nest three deep. Names are unique, as in real files.
std::string makeDialogue(int elements) {
    std::ostringstream out;
    out << "<?xml version='1.0'?>\n<!-- " << elements << " elements -->\n";
    for (int g = 0; g < elements / kElementsPerGroup; ++g) {
        const std::string group = "g" + std::to_string(g);
        openWindowTag(out, group, "Window", g, 60, 90, "");
        int button = 0;
        for (; button < 6; ++button)
            writeButton(out, group + "b" + std::to_string(button), button, "  ");
        for (int p = 0; p < 3; ++p) {
            const std::string panel = group + "p" + std::to_string(p);
            openWindowTag(out, panel, "Panel", p, 50, 60, "  ");
            for (int b = 0; b < 3; ++b) {
                const std::string box = panel + "x" + std::to_string(b);
                openWindowTag(out, box, "Box", b, 40, 30, "    ");
                for (int i = 0; i < 9; ++i, ++button)
                    writeButton(out, box + "b" + std::to_string(i), button, "      ");
                out << "    </window>\n";
            }
            out << "  </window>\n";
        }
        out << "</window>\n";
    }
    return out.str();
}

const std::string& dialogueFile(int elements) {
    static std::map<int, std::string> files;
    std::string& path = files[elements];
    if (path.empty()) {
        path = benchFile("dialogue" + std::to_string(elements) + ".xml");
        writeTextFile(path, makeDialogue(elements));
    }
    return path;
}

// A skin file of count skins, three sections each, as a theme collection might hold.
const std::string& skinsFile(int count) {
    static std::map<int, std::string> files;
    std::string& path = files[count];
    if (path.empty()) {
        std::ostringstream out;
        for (int i = 0; i < count; ++i)
            out << "<skin name='skin" << i << "'>\n  <button bgColor='5a5a8cff' fontSize='2'/>\n"
                << "  <label fontColor='ffffffff'/>\n  <global fontSize='2.1'/>\n</skin>\n";
        path = benchFile("skins" + std::to_string(count) + ".xml");
        writeTextFile(path, out.str());
    }
    return path;
}

// A fresh interface built from the dialogue of that size, kept while the same size is asked for.
GuiElement* loadedTree(int elements) {
    static GuiElement* root = nullptr;
    static int loadedElements = 0;
    static unsigned loadedAt = 0;
    if (root && loadedAt == freshGuiCount() && loadedElements == elements)
        return root;
    root = freshGui();
    loadDialogue(dialogueFile(elements).c_str());
    loadedElements = elements;
    loadedAt = freshGuiCount();
    return root;
}

// loadDialogue and TinyXML's LoadFile of the same file take turns, leading in turn; each load
// starts from empty tables and a new root. One thread: its own CPU time is measured.
void loadBenchmark(benchmark::State& state) {
    const int elements = int(state.range(0));
    const std::string& file = dialogueFile(elements);
    registerBenchCallback();
    double load = 0, parse = 0, release = 0;
    bool loadLeads = true;
    auto timeLoad = [&] {
        freshGui();
        const double start = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        loadDialogue(file.c_str());
        const double time = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
        load += time;
        return time;
    };
    // LoadFile alone is the parse; releasing the document, which loadDialogue must do too, is
    // timed apart.
    auto timeParse = [&] {
        malloc_trim(0);  // fresh pages, as for a load
        auto document = std::make_unique<TiXmlDocument>(file.c_str());
        const double start = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        if (!document->LoadFile())
            state.SkipWithError("TinyXML could not read the generated dialogue");
        const double parsed = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        document.reset();
        parse += parsed - start;
        release += cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - parsed;
    };
    size_t treeElements = 0;
    for (auto _ : state) {
        double time;
        if (loadLeads) {
            time = timeLoad();
            timeParse();
        } else {
            timeParse();
            time = timeLoad();
        }
        state.SetIterationTime(time);
        loadLeads = !loadLeads;
        treeElements = countTree(rootElement);
    }
    using benchmark::Counter;
    state.counters["load_ms"] = Counter(load * 1e3, Counter::kAvgIterations);
    state.counters["parse_ms"] = Counter(parse * 1e3, Counter::kAvgIterations);
    state.counters["release_ms"] = Counter(release * 1e3, Counter::kAvgIterations);
    state.counters["ratio"] = load / parse;
    state.counters["elements"] = double(treeElements);
}

// Linear scaling, measured side by side: in each iteration one dialogue of the given size and
// ten of a tenth of it are loaded, the large one leading in turn, so that both sizes meet the
// same load on a shared machine.
void loadScalingBenchmark(benchmark::State& state) {
    const int large = int(state.range(0)), small = large / 10;
    const std::string &largeFile = dialogueFile(large), &smallFile = dialogueFile(small);
    registerBenchCallback();
    auto timeLoad = [](const std::string& file) {
        freshGui();
        const double start = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        loadDialogue(file.c_str());
        return cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
    };
    double largeTime = 0, smallTime = 0;
    bool largeLeads = true;
    for (auto _ : state) {
        const double smallBefore = smallTime, largeBefore = largeTime;
        if (largeLeads)
            largeTime += timeLoad(largeFile);
        for (int i = 0; i < 10; ++i)
            smallTime += timeLoad(smallFile);
        if (!largeLeads)
            largeTime += timeLoad(largeFile);
        largeLeads = !largeLeads;
        state.SetIterationTime(largeTime - largeBefore + smallTime - smallBefore);
    }
    state.counters["scaling"] = largeTime / (smallTime / 10);
}

// reskinTree from the root after the skin "test" has been merged; the tree is built once.
void reskinBenchmark(benchmark::State& state) {
    registerBenchCallback();
    GuiElement* root = loadedTree(int(state.range(0)));
    loadSkin("test", benchSkinFile().c_str());
    for (auto _ : state)
        reskinTree(root, skinStore);
    state.counters["elements"] = double(countTree(root));
}

// Every skin of a file merged from one reading, as trellis-lint --skin loads them: the cost
// per skin stays flat as the file grows.
void skinsBenchmark(benchmark::State& state) {
    const std::string& file = skinsFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(loadEverySkin(file.c_str()));
    skinStore = SkinStore();
    state.counters["skins"] = double(state.range(0));
}

// Children of one parent side by side in a grid, and the pointer where none of them is: the
// search tries every sibling.
void findFlatBenchmark(benchmark::State& state) {
    const int siblings = int(state.range(0));
    static std::map<int, GuiElement*> trees;
    GuiElement*& root = trees[siblings];
    if (!root) {
        root = newDetachedRoot();
        for (int i = 0; i < siblings; ++i)
            new GuiElement("", root, 1.3f * float(i % 100), 0.9f * float(i / 100 % 100), 1.2f,
                           0.8f);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(findElementAt(root, 132.5f, 99.5f));
    if (findElementAt(root, 132.5f, 99.5f) != root)
        state.SkipWithError("the pointer search found a sibling where none should be");
}

// A chain of elements each one pixel inside its parent, and the pointer inside the deepest.
void findDeepBenchmark(benchmark::State& state) {
    const int depth = int(state.range(0));
    static std::map<int, std::pair<GuiElement*, GuiElement*>> trees;
    auto& [root, deepest] = trees[depth];
    if (!root) {
        root = deepest = newDetachedRoot();
        float width = 120, height = 90;
        for (int level = 0; level < depth; ++level, width -= 0.3f, height -= 0.3f)
            deepest = new GuiElement("", deepest, 0.15f, 0.15f, width, height);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(findElementAt(root, 66.0f, 50.0f));
    if (findElementAt(root, 66.0f, 50.0f) != deepest)
        state.SkipWithError("the pointer search did not reach the deepest element");
}

size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The heap that a loaded dialogue keeps: its elements, title bars, close buttons, registry
// entries and skin sections, per element of the file.
void memoryBenchmark(benchmark::State& state) {
    const int elements = int(state.range(0));
    registerBenchCallback();
    double bytes = 0, skinBytes = 0;
    for (auto _ : state) {
        freshGui();
        const size_t before = heapInUse();
        loadDialogue(dialogueFile(elements).c_str());
        const size_t loaded = heapInUse();
        bytes = double(loaded - before);
        // The skin store's share (the sections named after the elements, and the skin
        // "default"): what dropping it gives back. Nothing runs on this tree afterwards.
        skinStore = SkinStore();
        skinBytes = double(loaded - heapInUse());
    }
    state.counters["bytes_per_element"] = bytes / elements;
    state.counters["skin_bytes_per_element"] = skinBytes / elements;
    state.counters["elements"] = double(countTree(rootElement));
}

}  // namespace

// Out of line and called only by profileDialogue, for callgrind's --toggle-collect.
__attribute__((noinline)) void profiledLoad(const char* file) {
    loadDialogue(file);
}

__attribute__((noinline)) void profiledParse(TiXmlDocument& document) {
    document.LoadFile();
}

__attribute__((noinline)) void profiledReskin(GuiElement* root) {
    reskinTree(root, skinStore);
}

bool profileDialogue(const char* kind, int elements, int runs) {
    const std::string which = kind, file = dialogueFile(elements);
    registerBenchCallback();
    if (which == "reskin") {
        GuiElement* root = loadedTree(elements);
        loadSkin("test", benchSkinFile().c_str());
        for (int i = 0; i < runs; ++i)
            profiledReskin(root);
        return true;
    }
    if (which != "load" && which != "parse")
        return false;
    for (int i = 0; i < runs; ++i) {
        freshGui();
        TiXmlDocument document(file.c_str());
        if (which == "load")
            profiledLoad(file.c_str());
        else
            profiledParse(document);
    }
    return true;
}

void registerDialogueBenchmarks(const DialogueSizes& sizes) {
    auto* load = benchmark::RegisterBenchmark("load", loadBenchmark);
    for (int elements : sizes.load)
        load->Arg(elements);
    load->Unit(benchmark::kMillisecond)->UseManualTime();
    benchmark::RegisterBenchmark("load_scaling", loadScalingBenchmark)
        ->Arg(sizes.scalingElements)
        ->Repetitions(sizes.scalingRuns)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
    auto* skins = benchmark::RegisterBenchmark("skins", skinsBenchmark);
    for (int count : sizes.skins)
        skins->Arg(count);
    skins->Unit(benchmark::kMillisecond);
    auto* reskin = benchmark::RegisterBenchmark("reskin", reskinBenchmark);
    for (int elements : sizes.reskin)
        reskin->Arg(elements);
    reskin->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("find/flat", findFlatBenchmark)
        ->Arg(sizes.flatSiblings)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("find/deep", findDeepBenchmark)
        ->Arg(sizes.depth)
        ->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark("memory", memoryBenchmark)
        ->Arg(sizes.memoryElements)
        ->Iterations(1)
        ->Repetitions(1);
}

}  // namespace trellis
