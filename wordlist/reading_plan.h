// ReadingPlan: how the word list reads a regular file, in chunks that pieces
// group (see piece_reader.h). The defaults suit every list; tests choose tiny
// chunks, and a helper for every file, to reach every path.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace lexi {

// Both sizes are above 0.
struct ReadingPlan {
  std::size_t chunkBytes = std::size_t{1} << 20;
  std::uint32_t chunksPerPiece = 2;
  // The shortest read that gets a helper, as estimated from the first piece:
  // a piece takes about a millisecond, so a helper that loses its core while
  // it holds one costs little. Under Wine, where the Windows program is tested,
  // a helper doubled the processor time of a load (the two threads' page
  // faults contend in the kernel) and made it slower: there, one thread reads.
#ifdef _WIN32
  std::chrono::microseconds worthAHelper = std::chrono::hours(1);
#else
  std::chrono::microseconds worthAHelper = std::chrono::milliseconds(5);
#endif
};

}  // namespace lexi
