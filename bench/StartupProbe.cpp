// The demo's start-up, timed: runs the demo's own start-up sequence and its first frame, noting
// the monotonic clock after each step. After the first frame is drawn and finished, the probe
// prints the times in nanoseconds, with the number of elements that the demo built, and ends.
#include "BenchSupport.h"

#include "app/DemoStartup.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/WindowShell.h"

#include <GL/gl.h>
#include <cstdio>
#include <ctime>

using namespace trellis;

namespace {

long long loaded;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Runs once the program and its libraries are loaded, before main.
__attribute__((constructor)) void noteLoaded() {
    loaded = monotonicNanoseconds();
}

// Notes the clock at the end of each start-up step.
struct StepClock : StartupObserver {
    long long window = 0, gui = 0, dialogue = 0;

    void stepDone(StartupStep step) override {
        const long long now = monotonicNanoseconds();
        switch (step) {
        case StartupStep::WindowOpen:
            window = now;
            break;
        case StartupStep::GuiReady:
            gui = now;
            break;
        case StartupStep::DialogueLoaded:
            dialogue = now;
            break;
        }
    }
};

}  // namespace

int main() {
    StepClock clock;
    if (!startDemo(&clock) || !windowIsOpen())
        return 1;
    drawDemoFrame();
    // The frame counts once the GL has finished it, not when its commands are queued.
    glFinish();
    const long long drawn = monotonicNanoseconds();
    std::printf("loaded %lld\nwindow %lld\ngui %lld\ndialogue %lld\nframe %lld\nelements %zu\n",
                loaded, clock.window, clock.gui, clock.dialogue, drawn, countTree(rootElement));
    return 0;
}
