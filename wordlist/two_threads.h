// bothAtOnce and shareOut: independent work on the machine's two cores.
//
// A second thread helps where it can, and the outcome never depends on it: when
// no thread can be had, or the helper gets no core while this thread is busy,
// this thread does all the work itself.
#pragma once

#include <atomic>
#include <chrono>
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

// Runs work(begin, end) over the items [0, count), in pieces of `piece` items,
// and returns when every piece is done. The first piece tells how long the whole
// would take: a short job stays on this thread, since a helper that loses its
// core while it holds a piece can keep this one waiting longer than the helper
// saves. Otherwise this thread and a helper take the other pieces in turn as
// they come to them, so a helper that starts late costs nothing. Pieces may run
// at once: work() must touch nothing that another piece touches.
// `worthAHelper` is the shortest job that gets a helper.
template <class Work>
void shareOut(std::uint32_t count, std::uint32_t piece, const Work& work,
              std::chrono::microseconds worthAHelper = std::chrono::milliseconds(15)) {
  const auto start = std::chrono::steady_clock::now();
  const std::uint32_t first = count < piece ? count : piece;
  work(0, first);
  const auto firstTook = std::chrono::steady_clock::now() - start;
  if (first == count || firstTook * (count / first) < worthAHelper) {
    work(first, count);
    return;
  }
  std::atomic<std::uint64_t> next{first};
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
