// Start-up and memory of the demo itself, run as separate processes in the build's run folder
// with its shipped files: the time from process start to the first frame drawn, and the peak
// resident memory of the running demo.
#include "BenchSupport.h"
#include "Benchmarks.h"

#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace trellis {

namespace {

constexpr double kDemoRunSeconds = 2.0;  // long enough for the demo to settle into its loop

struct ChildRun {
    bool exited = false;       // ended by itself with status 0
    std::string output;        // its standard output
    double peakKilobytes = 0;  // VmHWM just before it was stopped (only with stopAfter)
};

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The peak resident memory of a running process. Its own, unlike the rusage of a child, which
// also counts what the child shared with its parent before exec.
double peakResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6);
    return 0;
}

// Runs program in the run folder and collects its output; with stopAfter > 0 the program is
// asked to stop (SIGTERM) after that many seconds, as a long-running demo must be. posix_spawn
// starts it without copying this large process first.
ChildRun runInRunFolder(const char* program, double stopAfter) {
    ChildRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addchdir_np(&actions, runFolder().c_str());
    char* const arguments[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    const int failed = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        return run;
    }
    if (stopAfter > 0) {
        const timespec pause{time_t(stopAfter), long((stopAfter - time_t(stopAfter)) * 1e9)};
        nanosleep(&pause, nullptr);
        run.peakKilobytes = peakResidentKilobytes(child);
        kill(child, SIGTERM);
    }
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// "name value" lines as the start-up probe prints them.
std::map<std::string, long long> readProbeLines(const std::string& output) {
    std::map<std::string, long long> values;
    std::istringstream in(output);
    std::string name;
    long long value;
    while (in >> name >> value)
        values[name] = value;
    return values;
}

// The files the demo finds in its working directory, for the record.
std::string runFolderListing() {
    std::string listing;
    if (DIR* folder = opendir(runFolder().c_str())) {
        while (const dirent* entry = readdir(folder))
            if (entry->d_name[0] != '.')
                listing += (listing.empty() ? "" : " ") + std::string(entry->d_name);
        closedir(folder);
    }
    return listing;
}

void startupBenchmark(benchmark::State& state) {
    std::map<std::string, double> phases;  // summed seconds per step
    double elements = 0;
    for (auto _ : state) {
        const double start = monotonicSeconds();
        const ChildRun run = runInRunFolder(TRELLIS_BENCH_STARTUP_PROBE, 0);
        auto times = readProbeLines(run.output);
        if (!run.exited || !times.count("frame")) {
            state.SkipWithError("the start-up probe did not draw a frame");
            return;
        }
        auto at = [&](const char* step) { return double(times[step]) * 1e-9 - start; };
        state.SetIterationTime(at("frame"));
        phases["exec_ms"] += at("loaded");
        phases["window_ms"] += at("window") - at("loaded");
        phases["gui_ms"] += at("gui") - at("window");
        phases["dialogue_ms"] += at("dialogue") - at("gui");
        phases["frame_ms"] += at("frame") - at("dialogue");
        phases["total_ms"] += at("frame");
        elements = double(times["elements"]);
    }
    for (const auto& [name, seconds] : phases)
        state.counters[name] =
            benchmark::Counter(seconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["elements"] = elements;
    state.SetLabel(runFolderListing());
}

void demoMemoryBenchmark(benchmark::State& state) {
    double peakKilobytes = 0;
    for (auto _ : state) {
        const ChildRun run = runInRunFolder(TRELLIS_BENCH_DEMO, kDemoRunSeconds);
        if (run.exited) {
            state.SkipWithError("the demo ended before it was stopped");
            return;
        }
        peakKilobytes = run.peakKilobytes;
    }
    state.counters["peak_rss_mb"] = peakKilobytes / 1024;
}

}  // namespace

void registerStartupBenchmarks(int runs) {
    benchmark::RegisterBenchmark("startup", startupBenchmark)
        ->Iterations(1)
        ->Repetitions(runs)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("demo_memory", demoMemoryBenchmark)
        ->Iterations(1)
        ->Repetitions(runs > 3 ? 3 : runs)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace trellis
