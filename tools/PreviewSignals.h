// The signals that ask trellis-preview to stop (SIGTERM, SIGINT, SIGHUP): caught so that its
// loop ends and it removes its copies of the files before dying of the signal.
#pragma once

namespace trellis {

// Catches the stop signals, each unless it is ignored (as nohup ignores SIGHUP). A caught
// signal only records itself; the program's loop asks stopSignal().
void catchStopSignals();

// The stop signal caught, or 0 while none has arrived.
int stopSignal();

// After the clean-up: dies of the stop signal caught, with its default action, so that the
// parent sees how the program ended. Returns only when none was caught.
void dieOfStopSignal();

}  // namespace trellis
