#include "base/two_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace lexi {
namespace {

TEST(BothAtOnce, AnExceptionOfThisThreadsHalfReachesTheCallerOnceTheHelperIsDone) {
  std::atomic<bool> helperDone{false};
  EXPECT_THROW(bothAtOnce([] { throw std::runtime_error("here"); }, [&] { helperDone = true; }),
               std::runtime_error);
  EXPECT_TRUE(helperDone);
}

}  // namespace
}  // namespace lexi
