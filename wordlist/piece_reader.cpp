#include "wordlist/piece_reader.h"

#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "wordlist/line_reader.h"
#include "wordlist/two_threads.h"

namespace lexi {

namespace {

constexpr char kEndOfFile = 0x1A;

// What a run of consecutive chunks made of its bytes.
struct Piece {
  EntryArray lines;
  // The line not yet ended. In a piece that may start within a line, it is
  // null until the piece's first LF, which ends a line of an earlier piece
  // and is kept in firstLineFeed, to be ended once every piece is read.
  char* open = nullptr;
  char* firstLineFeed = nullptr;
  char* end = nullptr;  // where the text ended: the first 0x1A, or the end of the file
  bool grew = false;
  std::uint64_t failedBytes = 0;  // the size of entries asked for when memory ran out
  int error = 0;

  bool finished() const { return end != nullptr || grew || failedBytes != 0 || error != 0; }
};

class PieceReader {
 public:
  PieceReader(InputFile& file, char* text, std::uint64_t size, std::size_t chunkBytes)
      : file_(file), text_(text), size_(size), chunkBytes_(chunkBytes) {}

  // A chunk more than the size fills: its first byte is past the end of the file.
  std::uint64_t chunks() const { return size_ / chunkBytes_ + 1; }

  void read(std::uint32_t begin, std::uint32_t end, Piece& piece) {
    for (std::uint32_t chunk = begin; chunk < end && !piece.finished(); ++chunk) read(chunk, piece);
  }

 private:
  void read(std::uint32_t chunk, Piece& piece) {
    const std::uint64_t from = std::uint64_t{chunk} * chunkBytes_;
    // The last chunk asks for one byte past the size: getting it means the file grew.
    const bool last = chunk + 1 == chunks();
    const std::uint64_t wanted = last ? size_ + 1 - from : chunkBytes_;
    std::uint64_t got = 0;
    while (got < wanted) {
      const long more = file_.readAt(text_ + from + got, static_cast<std::size_t>(wanted - got),
                                     from + got, piece.error);
      if (more < 0) return;
      if (more == 0) break;
      got += static_cast<std::uint64_t>(more);
    }
    if (last && got == wanted) {
      piece.grew = true;
      return;
    }
    char* const begin = text_ + from;
    char* end = begin + got;
    if (void* const eof = std::memchr(begin, kEndOfFile, got)) end = static_cast<char*>(eof);
    if (end != begin + wanted) piece.end = end;
    split(begin, end, piece);
  }

  static void split(char* begin, char* end, Piece& piece) {
    forEachLineFeed(begin, end, [&piece](char* lf) {
      if (piece.open == nullptr) {
        piece.firstLineFeed = lf;
      } else {
        endLineAt(piece.open, lf);
        if (!piece.lines.add(piece.open)) {
          piece.failedBytes = piece.lines.failedBytes();
          return false;
        }
      }
      piece.open = lf + 1;
      return true;
    });
  }

  InputFile& file_;
  char* text_;
  std::uint64_t size_;
  std::size_t chunkBytes_;
};

// Joins the lines of `next`, the piece after those of `joined`, onto them.
void join(Piece& joined, const Piece& next) {
  if (next.firstLineFeed != nullptr) {
    endLineAt(joined.open, next.firstLineFeed);
    if (!joined.lines.add(joined.open) || !joined.lines.append(next.lines)) {
      joined.failedBytes = joined.lines.failedBytes();
      return;
    }
    joined.open = next.open;
  }
  joined.end = next.end;
  joined.grew = next.grew;
  joined.error = next.error;
  joined.failedBytes = next.failedBytes;
}

}  // namespace

void readInPieces(InputFile& file, char* text, std::uint64_t size, const ReadingPlan& plan,
                  PieceReading& reading) {
  PieceReader reader(file, text, size, plan.chunkBytes);
  const auto chunks = static_cast<std::uint32_t>(reader.chunks());
  const std::uint32_t perPiece = plan.chunksPerPiece;

  // The first piece starts the first line, and takes every other piece read
  // alone; a piece read while shared out goes into one of `others`.
  Piece joined;
  joined.lines = EntryArray(EntryArray::kFirstCapacity);
  joined.open = text;
  std::vector<Piece> others;
  const std::size_t pieces = (chunks - 1) / perPiece;
  try {
    others.resize(pieces);
  } catch (const std::bad_alloc&) {
    reading.outcome = PieceReading::Outcome::kOutOfMemory;
    reading.failedBytes = pieces * sizeof(Piece);
    return;
  }
  // Room for lines of eight bytes on average, and more when they are shorter.
  for (Piece& piece : others) piece.lines = EntryArray(plan.chunkBytes * perPiece / 8);
  const bool shared = shareOut(
      chunks, perPiece,
      [&](std::uint32_t begin, std::uint32_t end) { reader.read(begin, end, joined); },
      [&](std::uint32_t begin, std::uint32_t end) {
        reader.read(begin, end, others[begin / perPiece - 1]);
      },
      plan.worthAHelper);
  if (shared) {
    // Room for every line at once: the lines of each piece, the one each
    // piece ends, and the last.
    std::uint64_t total = std::uint64_t{joined.lines.count()} + 1;
    for (std::size_t i = 0; i < others.size(); ++i) total += others[i].lines.count() + 1;
    if (!joined.lines.reserve(total)) joined.failedBytes = joined.lines.failedBytes();
    for (std::size_t i = 0; i < others.size() && !joined.finished(); ++i) join(joined, others[i]);
  }

  if (joined.error != 0) {
    reading.outcome = PieceReading::Outcome::kReadFailed;
    reading.error = joined.error;
    return;
  }
  if (joined.grew) {
    reading.outcome = PieceReading::Outcome::kGrew;
    return;
  }
  // The last line needs no line end.
  if (joined.failedBytes == 0 && joined.open != joined.end) {
    *joined.end = '\0';
    if (!joined.lines.add(joined.open)) joined.failedBytes = joined.lines.failedBytes();
  }
  if (joined.failedBytes != 0) {
    reading.outcome = PieceReading::Outcome::kOutOfMemory;
    reading.failedBytes = joined.failedBytes;
    return;
  }
  reading.outcome = PieceReading::Outcome::kRead;
  reading.lines = std::move(joined.lines);
}

}  // namespace lexi
