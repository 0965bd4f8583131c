#pragma once

// Keeps the OpenGL driver libraries mapped for the whole test process. The
// driver is unloaded when SDL closes the display, and leaks it made would then
// be reported from an unknown module that no suppression can name.
void keepGraphicsDriversLoaded();
