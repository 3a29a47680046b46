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

// Who does a job's pieces. The caller chooses: the program leaves it to the
// job, and a test picks each path on purpose.
enum class Sharing {
  kAutomatic,  // a helper when the first piece says the whole is worth one
  kHelper,     // a helper for every job of more than one piece
  kNone,       // this thread alone
};

// The fewest lines of a word list for which a job over them shares out its
// pieces: with fewer, one thread is done before a second one would have started.
inline constexpr std::uint32_t kLinesWorthSharing = 20000;

// `sharing` for a job over `lines` lines of a word list: an automatic choice
// keeps a short list on this thread.
constexpr Sharing forLines(Sharing sharing, std::uint32_t lines) {
  return sharing == Sharing::kAutomatic && lines < kLinesWorthSharing ? Sharing::kNone : sharing;
}

// Runs here() on this thread and there() alongside it; returns when both are done.
// An exception from here() reaches the caller once there() is done too, since a
// helper still running when its thread object went would end the process.
template <class Here, class There>
void bothAtOnce(Here&& here, There&& there) {
  std::optional<std::thread> helper;
  try {
    helper.emplace(there);
  } catch (const std::exception&) {
    // No thread to be had (the system refused one, or memory ran out).
  }
  try {
    here();
  } catch (...) {
    if (helper) helper->join();
    throw;
  }
  if (helper) {
    helper->join();
  } else {
    there();
  }
}

// Runs a job over the items [0, count), in pieces of `piece` items, and returns
// when every piece is done. The first piece goes to alone(begin, end) on this
// thread, and tells how long the whole would take: a short job stays there, all
// of it through alone(), since a helper that loses its core while it holds a
// piece can keep this thread waiting longer than the helper saves. Otherwise
// the other pieces go to shared(begin, end), taken in turn by this thread and a
// helper as they come to them, so a helper that starts late costs nothing;
// pieces may then run at once and must touch nothing another piece touches.
// Returns whether shared() was used. `worthAHelper` is the shortest job that
// gets a helper when `sharing` leaves it to the job; kHelper shares every job
// of more than one piece, and kNone none.
template <class Alone, class Shared>
bool shareOut(std::uint32_t count, std::uint32_t piece, const Alone& alone, const Shared& shared,
              Sharing sharing = Sharing::kAutomatic,
              std::chrono::microseconds worthAHelper = std::chrono::milliseconds(15)) {
  if (sharing == Sharing::kNone) {
    alone(0, count);
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::uint32_t first = count < piece ? count : piece;
  alone(0, first);
  const auto firstTook = std::chrono::steady_clock::now() - start;
  if (first == count ||
      (sharing == Sharing::kAutomatic && firstTook * (count / first) < worthAHelper)) {
    alone(first, count);
    return false;
  }
  std::atomic<std::uint64_t> next{first};
  auto takePieces = [&] {
    for (;;) {
      const std::uint64_t begin = next.fetch_add(piece);
      if (begin >= count) return;
      const std::uint64_t end = begin + piece < count ? begin + piece : count;
      shared(static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end));
    }
  };
  bothAtOnce(takePieces, takePieces);
  return true;
}

}  // namespace lexi
