#include "wordlist/two_threads.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace lexi {
namespace {

// Every item is worked on once, whether the job is short enough for one thread
// or a helper takes pieces of it (from the second piece on, and to the last
// partial piece).
TEST(ShareOut, WorksOnEveryItemOnce) {
  constexpr std::uint32_t kPiece = 64;
  for (const auto worthAHelper : {std::chrono::microseconds(0), std::chrono::microseconds(15000)}) {
    for (const std::uint32_t count : {0u, 1u, kPiece - 1, kPiece, kPiece + 1, 1000 * kPiece + 7}) {
      std::vector<int> times(count, 0);
      shareOut(
          count, kPiece,
          [&times](std::uint32_t begin, std::uint32_t end) {
            for (std::uint32_t i = begin; i < end; ++i) ++times[i];
          },
          worthAHelper);
      EXPECT_EQ(times, std::vector<int>(count, 1)) << count << " items";
    }
  }
}

}  // namespace
}  // namespace lexi
