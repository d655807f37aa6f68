// trellis-bench: runs every benchmark and prints one table. Options besides Google Benchmark's:
//   --smoke                      tiny sizes, one short run each: checks that everything runs
//   --profile=KIND:SIZE:COUNT    does one kind of work COUNT times and nothing else, for
//                                callgrind (see docs/PERFORMANCE.md): KIND trellis or floor
//                                draws frames of SIZE buttons, animated or hud (animatedcore,
//                                hudcore in a core context) frames of those scenes; load, parse or
//                                reskin works on a dialogue of SIZE elements; latin, japanese
//                                (latinanimated, japaneseanimated: the texts changed every frame)
//                                draw frames of the text scene of SIZE labels
#include "BenchSupport.h"
#include "Benchmarks.h"
#include "TableReporter.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace trellis;

namespace {

std::string cpuModel() {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    return "unknown CPU";
}

std::string machine() {
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " x " + cpuModel() + ", " +
           (renderer ? renderer : "unknown renderer");
}

int profile(const char* request) {
    char kind[32] = {};
    int size = 0, count = 0;
    if (std::sscanf(request, "%31[a-z]:%d:%d", kind, &size, &count) != 3 ||
        !(profileFrames(kind, size, count) || profileMoving(kind, size, count) ||
          profileDialogue(kind, size, count) || profileText(kind, size, count))) {
        std::fprintf(stderr,
                     "trellis-bench: --profile=trellis|floor|animated[core]|hud[core]|load|parse|"
                     "reskin|latin[animated]|japanese[animated]:SIZE:COUNT\n");
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool smoke = false;
    const char* profileRequest = nullptr;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else if (std::strncmp(argv[i], "--profile=", 10) == 0)
            profileRequest = argv[i] + 10;
        else
            arguments.push_back(argv[i]);
    }
    if (!openBenchWindow())
        return 1;
    if (profileRequest)
        return profile(profileRequest);

    if (smoke) {
        registerPeerBenchmarks({10, 100}, 0.01);
        registerMovingBenchmarks({10, 100}, {10}, 0.01);
        registerTextBenchmarks(100, 10, 0.01);
        registerFrameBenchmarks({10, 100}, 0.01);
        registerMixedBenchmarks({120}, 0.01);
        registerListBenchmarks({100, 1000}, 0.01);
        registerDialogueBenchmarks({{100, 1000}, 1000, 1, {1000}, 100, 10, 1000, {100}});
        registerEditingBenchmarks({1000, 100000});
        registerStartupBenchmarks(1);
    } else {
        // Several frames per run even at 10,000 buttons: one frame's ratio is too noisy.
        registerPeerBenchmarks({10, 100, 1000, 10000}, 0.5);
        registerMovingBenchmarks({10, 100, 1000, 10000}, {10, 100}, 0.5);
        registerTextBenchmarks(10000, 1000, 1);
        registerFrameBenchmarks({10, 100, 1000, 10000}, 2);
        registerMixedBenchmarks({1008, 10008}, 2);
        registerListBenchmarks({100, 100000}, 1);
        registerDialogueBenchmarks(
            {{1000, 10000, 100000}, 100000, 9, {10000, 100000}, 10000, 50, 10000, {1000, 10000}});
        registerEditingBenchmarks({1000, 1000000, 10000000});
        registerStartupBenchmarks(9);
    }
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 2;
    TableReporter table(machine());
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
