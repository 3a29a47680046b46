// bothAtOnce and shareOut: independent work on the machine's two cores.
//
// A second thread helps where it can, and the outcome never depends on it: when
// no thread can be had, or the helper gets no core while this thread is busy,
// this thread does all the work itself.
#pragma once

#include <atomic>
#include <cstdint>
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

// Runs work(begin, end) over the items [0, count), in pieces of `piece` items
// that this thread and a helper take in turn as they come to them, so that a
// helper that starts late costs nothing; returns when every piece is done.
// Pieces may run at once: work() must touch nothing that another piece touches.
template <class Work>
void shareOut(std::uint32_t count, std::uint32_t piece, const Work& work) {
  std::atomic<std::uint64_t> next{0};
  auto takePieces = [&] {
    for (;;) {
      const std::uint64_t begin = next.fetch_add(piece);
      if (begin >= count) return;
      const std::uint64_t end = begin + piece < count ? begin + piece : count;
      work(static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end));
    }
  };
  bothAtOnce(takePieces, takePieces);
}

}  // namespace lexi
