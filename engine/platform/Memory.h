#pragma once

namespace platform {

// Hands the heap's free pages back to the system. The C heap keeps what a
// screen freed as holes between live blocks, resident until reused; after a
// screen change that is many megabytes of pictures.
void returnFreeMemory();
// From now on, blocks of a megabyte or more (decoded pictures, texture
// storage) get mappings of their own, which go back to the system as soon as
// they are freed instead of leaving holes in the heap. Smaller blocks, such
// as the driver's per-frame buffers, stay in the heap where they are cheap.
void keepLargeBlocksApart();

} // namespace platform
