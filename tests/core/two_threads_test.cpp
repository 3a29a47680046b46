#include "base/two_threads.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace lexi {
namespace {

// Every item is worked on once, in order by this thread alone when the job is
// short, and with a helper taking pieces of it (from the second piece on, to
// the last partial piece) when it is not.
TEST(ShareOut, WorksOnEveryItemOnce) {
  constexpr std::uint32_t kPiece = 64;
  for (const auto worthAHelper : {std::chrono::microseconds(0), std::chrono::microseconds(15000)}) {
    for (const std::uint32_t count : {0u, 1u, kPiece - 1, kPiece, kPiece + 1, 1000 * kPiece + 7}) {
      std::vector<int> times(count, 0);
      std::vector<std::uint32_t> alone;
      const bool shared = shareOut(
          count, kPiece,
          [&](std::uint32_t begin, std::uint32_t end) {
            for (std::uint32_t i = begin; i < end; ++i) {
              ++times[i];
              alone.push_back(i);
            }
          },
          [&times](std::uint32_t begin, std::uint32_t end) {
            for (std::uint32_t i = begin; i < end; ++i) ++times[i];
          },
          worthAHelper);
      EXPECT_EQ(times, std::vector<int>(count, 1)) << count << " items";
      // What was done alone is a run from the first item on, in order.
      const std::uint32_t aloneCount = shared ? (count < kPiece ? count : kPiece) : count;
      ASSERT_EQ(alone.size(), aloneCount) << count << " items";
      for (std::uint32_t i = 0; i < alone.size(); ++i) EXPECT_EQ(alone[i], i);
    }
  }
}

}  // namespace
}  // namespace lexi
