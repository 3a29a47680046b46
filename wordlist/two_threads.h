// bothAtOnce: runs two independent pieces of work on the machine's cores.
//
// The core splits long jobs (the lines of a large file, the keys of a long list)
// into two halves that share nothing. The second half runs on a thread of its
// own; when no thread can be had, this thread does it after the first, so the
// outcome never depends on threads.
#pragma once

#include <exception>
#include <optional>
#include <thread>

namespace lexi {

// Runs here() on this thread and there() alongside it; returns when both are done.
template <class Here, class There>
void bothAtOnce(Here&& here, There&& there) {
  std::optional<std::thread> helper;
  try {
    helper.emplace(there);
  } catch (const std::exception&) {
    // No thread to be had (the system refused one, or memory ran out).
  }
  here();
  if (helper) {
    helper->join();
  } else {
    there();
  }
}

}  // namespace lexi
