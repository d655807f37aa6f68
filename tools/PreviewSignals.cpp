// Catching the stop signals with a handler that only sets a flag.
#include "PreviewSignals.h"

#include <csignal>

namespace trellis {

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may do nothing but store: the loop does the rest outside it.
volatile std::sig_atomic_t caught = 0;

extern "C" void recordStopSignal(int signal) {
    caught = signal;
}

}  // namespace

void catchStopSignals() {
    for (int signal : kStopSignals) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = recordStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signal, &action, nullptr);
    }
}

int stopSignal() {
    return caught;
}

void dieOfStopSignal() {
    const int signal = caught;
    if (signal == 0)
        return;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace trellis
