// The benchmarks' shared set-up: window, font, tables, files, teardown, clocks, the timed
// frame and frame families.
#include "BenchSupport.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/WindowShell.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <vector>

namespace trellis {

namespace {

GLFWwindow* window = nullptr;
GuiElement* builtRoot = nullptr;  // the tree freshGui built last
unsigned freshStarts = 0;

const char* const kBenchSkins = R"(<skin name='default'>
  <global bgColor='404040ff' fontColor='ffffffff' fontSize='1.6'/>
  <button bgColor='5a5a8cff' fontColor='f0f0f0ff'/>
  <title bgColor='20208cff' fontColor='ffffffff'/>
  <window bgColor='303030ff'/>
</skin>
<skin name='test'>
  <global fontSize='1.5'/>
  <button bgColor='8c5a5aff' fontColor='000000ff'/>
  <title bgColor='8c2020ff'/>
  <window bgColor='503030ff' u1='0.5'/>
</skin>
)";

void removeTempFolder();

const std::string& tempFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "trellis-bench-XXXXXX");
        std::vector<char> path(pattern.begin(), pattern.end());
        path.push_back('\0');
        if (!mkdtemp(path.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        return std::string(path.data());
    }();
    // Registered once the name exists, so that the removal runs before the name is destroyed.
    static const int removal = std::atexit(removeTempFolder);
    (void)removal;
    return folder;
}

void removeTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(tempFolder(), ignored);
}

void doNothing(void*, CallbackSender*) {}

}  // namespace

bool openBenchWindow() {
    if (window)
        return true;
    openWindow();  // the demo's own window
    window = glfwGetCurrentContext();
    if (!window) {
        std::fprintf(stderr, "trellis-bench: no window: is there an X display? (run it through "
                             "scripts/bench.sh)\n");
        return false;
    }
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glClearColor(0, 0, 0, 1);
    fixScreenUnits();
    releaseGlyphTable();
    const std::string font = runFolder() + "/" + kFontFileName;
    if (FILE* file = std::fopen(font.c_str(), "rb"))
        loadTextureFont(file);
    if (!fontLoaded) {
        std::fprintf(stderr, "trellis-bench: no font at %s\n", font.c_str());
        return false;
    }
    return true;
}

std::string runFolder() {
    return TRELLIS_BENCH_RUN_DIR;
}

std::string benchFile(const std::string& name) {
    return tempFolder() + "/" + name;
}

void writeTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

const std::string& benchSkinFile() {
    static const std::string path = [] {
        std::string file = benchFile("benchSkin.xml");
        writeTextFile(file, kBenchSkins);
        return file;
    }();
    return path;
}

void registerBenchCallback() {
    static int receiver;
    registerCallback(kBenchCallbackName, doNothing, &receiver);
}

GuiElement* freshGui() {
    deleteTree(builtRoot);
    hoveredElement = focusElement = nullptr;
    // New tables, not cleared ones: a cleared table keeps its buckets, and a new process
    // starts without them.
    elementRegistry = ElementRegistry();
    skinStore = SkinStore();
    // Hand the freed memory back to the system, so that the next load meets memory as a new
    // process does (fresh pages) whatever size the last one had.
    malloc_trim(0);
    loadSkin("default", benchSkinFile().c_str());
    rootElement = nullptr;
    builtRoot = rootElement = new GuiRoot();
    ++freshStarts;
    return builtRoot;
}

unsigned freshGuiCount() {
    return freshStarts;
}

GuiElement* newDetachedRoot() {
    GuiElement* const saved = rootElement;
    rootElement = nullptr;
    GuiElement* root = new GuiRoot();
    rootElement = saved;
    return root;
}

void deleteTree(GuiElement* element) {
    // An element owns its subtree and deletes it, deepest first, without recursion.
    if (rootElement == element)
        rootElement = nullptr;
    delete element;
}

double cpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double timedDrawFrame() {
    const double start = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawFrame();
    swapBuffers();
    return cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - start;
}

void registerFrameFamily(const char* name, const std::function<void(benchmark::State&)>& run,
                         const std::vector<int>& sizes, double minSeconds) {
    auto* family = benchmark::RegisterBenchmark(name, run);
    for (int size : sizes)
        family->Arg(size);
    family->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->MinTime(minSeconds);
}

}  // namespace trellis
