// adviseLargeBlock: a hint to the system about a large block just allocated.
#pragma once

#include <cstddef>

namespace lexi {

// Tells the system that the block of `size` bytes at `block`, just allocated,
// will be written through at once: where it can, it backs the block with large
// pages, which are far fewer to fault in. Blocks of a few megabytes or less,
// and systems without such pages, are left alone.
void adviseLargeBlock(void* block, std::size_t size);

}  // namespace lexi
