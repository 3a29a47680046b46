// readInPieces: the fast way to load a regular file whose size is known.
//
// The file is read into one buffer, of its size and two bytes more, in chunks,
// and the line ends of each chunk are counted as soon as it arrives, while it
// is still in the processor's cache. Knowing the count, the lines are then
// ended in place, by the rules of LineReader, and their entries written
// straight into one array of that size: no entry is made twice, and no memory
// is touched that the list does not keep. A large file is read, and then
// split, in pieces of a few chunks, taken in turn by this thread and a helper
// (see shareOut), each piece in a part of the buffer of its own. The outcome
// never depends on how the pieces were shared out.
//
// A file that turns out longer than its size said, because it grew while it
// was read, is not read this way: the caller reads it again from its start as
// a stream.
#pragma once

#include <cstdint>

#include "wordlist/entry_array.h"
#include "wordlist/input_file.h"
#include "wordlist/reading_plan.h"

namespace lexi {

struct PieceReading {
  enum class Outcome { kRead, kGrew, kOutOfMemory, kReadFailed };
  Outcome outcome = Outcome::kRead;
  int error = 0;                  // kReadFailed: the error number
  std::uint64_t failedBytes = 0;  // kOutOfMemory: the size of entries asked for
  EntryArray lines;               // kRead: the lines, in file order
};

// Reads `file`, a regular file of `size` bytes, above 0 and below 2^32 chunks,
// into `text`, which has room for size + 2 bytes; see above. The lines point
// into `text`, which the caller owns.
void readInPieces(InputFile& file, char* text, std::uint64_t size, const ReadingPlan& plan,
                  PieceReading& reading);

}  // namespace lexi
