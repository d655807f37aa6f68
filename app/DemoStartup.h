// The demo's start-up and its frame, shared by the demo's main and the start-up benchmark, so
// that the benchmark times exactly the steps the demo takes.
#pragma once

// The start-up steps, in the order startDemo takes them.
enum class StartupStep {
    WindowOpen,      // openWindow succeeded
    GuiReady,        // initGui succeeded
    DialogueLoaded,  // loadDialogue returned (an unreadable dialogue leaves an empty interface)
};

// Told when each start-up step is done; the benchmark notes the clock there.
class StartupObserver {
public:
    virtual ~StartupObserver() = default;

    // Called right after step, before the next one starts.
    virtual void stepDone(StartupStep step) = 0;
};

// Opens the window, registers changeSkin, starts the interface, loads the dialogue and installs
// the input handlers, telling observer (when given) after each step. When the window or the
// interface cannot be had, prints why on standard error and returns false.
bool startDemo(StartupObserver* observer = nullptr);

// One pass of the frame loop: polls events and swaps, clears, and draws the interface.
void drawDemoFrame();
