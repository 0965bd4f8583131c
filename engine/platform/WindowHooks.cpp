#include "engine/platform/WindowHooks.h"

namespace platform {

// No window procedure to hook outside Windows; SDL delivers the resize event.
void WindowHooks::installWindowProcHook() {}

// SDL 1.2 has no un-maximise call; setting the video mode again restores.
void WindowHooks::restoreWindow() {}

} // namespace platform
