#include "engine/platform/Memory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void returnFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void keepLargeBlocksApart() {
#if defined(__GLIBC__)
    // A fixed threshold also stops the C library from raising it after
    // each large block freed, which is how pictures end up in the heap.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace platform
