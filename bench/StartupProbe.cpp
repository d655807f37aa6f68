// Timing hooks for the demo's own main: the link sends main's calls to openWindow, initGui,
// loadDialogue and drawFrame through these wrappers, which note the monotonic clock after each
// step. After the first frame is drawn and finished, the probe prints the times in nanoseconds
// and ends the process, with the number of elements that the demo built.
#include "BenchSupport.h"

#include "trellis/shell/GuiShell.h"

#include <GL/gl.h>
#include <cstdio>
#include <ctime>
#include <unistd.h>

using namespace trellis;

extern "C" {
bool __real__ZN7trellis10openWindowEv();
bool __real__ZN7trellis7initGuiEv();
bool __real__ZN7trellis12loadDialogueEPKc(const char* fileName);
void __real__ZN7trellis9drawFrameEv();
}

namespace {

long long loaded, windowOpen, guiReady, dialogueBuilt;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Runs once the program and its libraries are loaded, before main.
__attribute__((constructor)) void noteLoaded() {
    loaded = monotonicNanoseconds();
}

}  // namespace

extern "C" {

bool __wrap__ZN7trellis10openWindowEv() {
    const bool result = __real__ZN7trellis10openWindowEv();
    windowOpen = monotonicNanoseconds();
    return result;
}

bool __wrap__ZN7trellis7initGuiEv() {
    const bool result = __real__ZN7trellis7initGuiEv();
    guiReady = monotonicNanoseconds();
    return result;
}

bool __wrap__ZN7trellis12loadDialogueEPKc(const char* fileName) {
    const bool loaded = __real__ZN7trellis12loadDialogueEPKc(fileName);
    dialogueBuilt = monotonicNanoseconds();
    return loaded;
}

void __wrap__ZN7trellis9drawFrameEv() {
    __real__ZN7trellis9drawFrameEv();
    glFinish();
    const long long drawn = monotonicNanoseconds();
    std::printf("loaded %lld\nwindow %lld\ngui %lld\ndialogue %lld\nframe %lld\nelements %zu\n",
                loaded, windowOpen, guiReady, dialogueBuilt, drawn, countTree(rootElement));
    std::fflush(stdout);
    _exit(0);
}
}
