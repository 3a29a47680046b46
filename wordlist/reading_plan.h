// ReadingPlan: how the word list reads a regular file, in chunks that pieces
// group (see piece_reader.h). The defaults suit every list; tests choose tiny
// chunks, a helper for every file or none, and reads that fail, to reach every
// path.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "base/two_threads.h"

namespace lexi {

class InputFile;

// Reads part of a chunk as InputFile::readAt does, and returns as it does: one
// call a chunk, and another after a read that came short. Any callable: a test
// that stands in keeps its own state.
using ChunkRead = std::function<long(InputFile& file, char* buffer, std::size_t size,
                                     std::uint64_t offset, int& error)>;

// InputFile::readAt itself.
long readChunk(InputFile& file, char* buffer, std::size_t size, std::uint64_t offset, int& error);

// The shortest read that gets a helper when the plan leaves it to the read, as
// estimated from the first piece: a piece takes about a millisecond, so a
// helper that loses its core while it holds one costs little.
inline constexpr std::chrono::microseconds kReadWorthAHelper = std::chrono::milliseconds(5);

// Both sizes are above 0.
struct ReadingPlan {
  std::size_t chunkBytes = std::size_t{1} << 20;
  std::uint32_t chunksPerPiece = 2;
  // Under Wine, where the Windows program is tested, a helper doubled the
  // processor time of a load (the two threads' page faults contend in the
  // kernel) and made it slower: there, one thread reads.
#ifdef _WIN32
  Sharing sharing = Sharing::kNone;
#else
  Sharing sharing = Sharing::kAutomatic;
#endif
  // How each chunk is read; a test stands in for readChunk to make a read fail.
  ChunkRead read = readChunk;
};

}  // namespace lexi
