#include "engine/platform/GraphicsDrivers.h"

#include <dlfcn.h>

namespace platform {

void keepGraphicsDriversLoaded() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    const char* libraries[] = {
        "libGLX_mesa.so.0",
        "libglapi.so.0",
        "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
        "/usr/lib/x86_64-linux-gnu/dri/kms_swrast_dri.so",
    };
    for (const char* name : libraries) {
        dlopen(name, RTLD_LAZY | RTLD_GLOBAL | RTLD_NODELETE);
    }
}

} // namespace platform
