#pragma once

namespace platform {

// Keeps the OpenGL driver libraries mapped until the process ends. The driver
// is unloaded when SDL closes the display; a leak checker that runs at exit
// would then report what the driver keeps from an unknown module that no
// suppression can name. For sanitizer builds and tests; a library missing on
// this machine is simply not in use.
void keepGraphicsDriversLoaded();

} // namespace platform
