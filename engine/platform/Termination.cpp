#include "engine/platform/Termination.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t requested = 0;

extern "C" void onTerminationSignal(int) {
    requested = 1;
}
} // namespace

namespace platform {

void installTerminationHandler() {
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool terminationRequested() {
    return requested != 0;
}

void clearTerminationRequest() {
    requested = 0;
}

} // namespace platform
