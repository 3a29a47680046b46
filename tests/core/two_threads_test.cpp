#include "base/two_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <utility>
#include <vector>

namespace lexi {
namespace {

TEST(BothAtOnce, AnExceptionOfThisThreadsHalfReachesTheCallerOnceTheHelperIsDone) {
  std::atomic<bool> helperDone{false};
  EXPECT_THROW(bothAtOnce([] { throw std::runtime_error("here"); }, [&] { helperDone = true; }),
               std::runtime_error);
  EXPECT_TRUE(helperDone);
}

// Each policy takes its own path, whatever the machine's speed: the first
// piece alone, the rest shared (or alone), and every item done exactly once.
TEST(ShareOut, TakesThePathThePolicyChooses) {
  constexpr std::uint32_t kCount = 1000;
  const struct {
    Sharing sharing;
    std::chrono::microseconds worthAHelper;
    std::uint32_t count;
    bool shared;
  } cases[] = {
      {Sharing::kHelper, std::chrono::hours(1), kCount, true},
      {Sharing::kHelper, std::chrono::hours(1), 10, false},  // one piece: nothing to share
      {Sharing::kNone, std::chrono::microseconds(0), kCount, false},
      {Sharing::kAutomatic, std::chrono::microseconds(0), kCount, true},
      {Sharing::kAutomatic, std::chrono::hours(1), kCount, false},
  };
  for (const auto& c : cases) {
    std::vector<std::atomic<int>> done(c.count);
    std::atomic<std::uint32_t> sharedItems{0};
    const auto work = [&](std::atomic<std::uint32_t>* counted) {
      return [&done, counted](std::uint32_t begin, std::uint32_t end) {
        for (std::uint32_t i = begin; i < end; ++i) ++done[i];
        if (counted != nullptr) *counted += end - begin;
      };
    };
    const bool shared =
        shareOut(c.count, 10, work(nullptr), work(&sharedItems), c.sharing, c.worthAHelper);
    EXPECT_EQ(shared, c.shared) << static_cast<int>(c.sharing);
    EXPECT_EQ(sharedItems, c.shared ? c.count - 10 : 0) << static_cast<int>(c.sharing);
    for (const auto& each : done) ASSERT_EQ(each, 1);
  }
}

// A job over a short list stays on this thread unless a helper is asked for.
TEST(ShareOut, AShortListIsLeftAloneOnlyByTheAutomaticChoice) {
  const std::pair<Sharing, Sharing> cases[] = {
      {Sharing::kAutomatic, Sharing::kNone},
      {Sharing::kHelper, Sharing::kHelper},
      {Sharing::kNone, Sharing::kNone},
  };
  for (const auto& [asked, taken] : cases) {
    EXPECT_EQ(forLines(asked, kLinesWorthSharing - 1), taken);
    EXPECT_EQ(forLines(asked, kLinesWorthSharing), asked);
  }
}

}  // namespace
}  // namespace lexi
