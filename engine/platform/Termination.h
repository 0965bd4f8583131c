#pragma once

namespace platform {

// Turns SIGTERM and SIGINT into a request the frame loop reads: the game then
// saves and ends at the end of the frame instead of dying mid-write.
void installTerminationHandler();
bool terminationRequested();
// For tests: forget a request.
void clearTerminationRequest();

} // namespace platform
