#include "base/large_block.h"

#include <cstdint>

#ifndef _WIN32
#include <sys/mman.h>
#endif

namespace lexi {

void adviseLargeBlock(void* block, std::size_t size) {
#if defined(MADV_HUGEPAGE)
  // Whole large pages only: below two of them there is nothing to gain.
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  if (size < 2 * kLargePage) return;
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t last = (start + size) & ~(kLargePage - 1);
  // Advice only: a system that declines it still serves the memory.
  ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)block;
  (void)size;
#endif
}

}  // namespace lexi
