#include "wordlist/piece_reader.h"

#include <chrono>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "base/two_threads.h"
#include "wordlist/line_reader.h"
#include "wordlist/text_encoding.h"

namespace lexi {

namespace {

// What the first pass found in a run of consecutive chunks.
struct Piece {
  std::uint64_t lineFeeds = 0;
  char* lastLineFeed = nullptr;
  char* end = nullptr;  // where the text ended: the first 0x1A, or the end of the file
  bool grew = false;
  int error = 0;
  // The line the piece begins in: the count of LFs before it.
  std::uint64_t firstLine = 0;

  bool finished() const { return end != nullptr || grew || error != 0; }
};

class PieceReader {
 public:
  PieceReader(InputFile& file, char* text, std::uint64_t size, const ReadingPlan& plan)
      : file_(file),
        text_(text),
        size_(size),
        chunkBytes_(plan.chunkBytes),
        perPiece_(plan.chunksPerPiece),
        readPart_(plan.read) {}

  // A chunk more than the size fills: its first byte is past the end of the file.
  std::uint32_t chunks() const { return static_cast<std::uint32_t>(size_ / chunkBytes_ + 1); }
  std::uint32_t pieces() const { return (chunks() + perPiece_ - 1) / perPiece_; }

  // The first pass: reads the chunks [begin, end) and counts their line ends,
  // up to the first chunk that finishes the text.
  void read(std::uint32_t begin, std::uint32_t end, std::vector<Piece>& pieces) {
    for (std::uint32_t chunk = begin; chunk < end; ++chunk) {
      Piece& piece = pieces[chunk / perPiece_];
      read(chunk, piece);
      if (piece.finished()) return;
    }
  }

  // The second pass: ends the lines of piece `index` in place and sets the
  // entry of every line that starts after one of its LFs, the entries from
  // `piece.firstLine` on. An LF that opens the piece is ended without a look at
  // the byte before it, which belongs to another piece (see endLinesAcross).
  void split(std::uint32_t index, const Piece& piece, WordEntry* entries,
             std::uint64_t count) const {
    char* const begin = pieceBegin(index);
    char* const end = piece.end != nullptr ? piece.end : pieceBegin(index + 1);
    std::uint64_t line = piece.firstLine;
    forEachLineFeed(begin, end, [&](char* lf) {
      endLineAt(begin, lf);
      if (++line < count) entries[line].text = lf + 1;
      return true;
    });
  }

  // Ends, at its CR, each line whose CR LF straddles two of the first `pieces`
  // pieces, before any of them is split.
  void endLinesAcross(std::uint32_t pieces) const {
    for (std::uint32_t index = 1; index < pieces; ++index) {
      char* const begin = pieceBegin(index);
      if (*begin == '\n' && begin[-1] == '\r') begin[-1] = '\0';
    }
  }

 private:
  char* pieceBegin(std::uint32_t index) const {
    const std::uint64_t from = std::uint64_t{index} * perPiece_ * chunkBytes_;
    return text_ + (from < size_ ? from : size_);
  }

  void read(std::uint32_t chunk, Piece& piece) {
    const std::uint64_t from = std::uint64_t{chunk} * chunkBytes_;
    // The last chunk asks for one byte past the size: getting it means the file grew.
    const bool last = chunk + 1 == chunks();
    const std::uint64_t wanted = last ? size_ + 1 - from : chunkBytes_;
    std::uint64_t got = 0;
    while (got < wanted) {
      const long more = readPart_(file_, text_ + from + got, static_cast<std::size_t>(wanted - got),
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
    if (void* const eof = std::memchr(begin, kCtrlZ, static_cast<std::size_t>(got)))
      end = static_cast<char*>(eof);
    if (end != begin + wanted) piece.end = end;
    forEachLineFeed(begin, end, [&piece](char* lf) {
      ++piece.lineFeeds;
      piece.lastLineFeed = lf;
      return true;
    });
  }

  InputFile& file_;
  char* text_;
  std::uint64_t size_;
  std::size_t chunkBytes_;
  std::uint32_t perPiece_;
  ChunkRead readPart_;
};

}  // namespace

long readChunk(InputFile& file, char* buffer, std::size_t size, std::uint64_t offset, int& error) {
  return file.readAt(buffer, size, offset, error);
}

void readInPieces(InputFile& file, char* text, std::uint64_t size, const ReadingPlan& plan,
                  PieceReading& reading) {
  PieceReader reader(file, text, size, plan);
  std::vector<Piece> pieces;
  try {
    pieces.resize(reader.pieces());
  } catch (const std::bad_alloc&) {
    reading.outcome = PieceReading::Outcome::kOutOfMemory;
    reading.failedBytes = std::uint64_t{reader.pieces()} * sizeof(Piece);
    return;
  }
  const auto read = [&](std::uint32_t begin, std::uint32_t end) {
    reader.read(begin, end, pieces);
  };
  const bool shared =
      shareOut(reader.chunks(), plan.chunksPerPiece, read, read, plan.sharing, kReadWorthAHelper);

  // The pieces up to the one where the text ends; each learns where its lines
  // go among the entries.
  std::uint32_t used = 0;
  std::uint64_t lineFeeds = 0;
  char* lastLineFeed = nullptr;
  char* textEnd = nullptr;
  for (Piece& piece : pieces) {
    ++used;
    piece.firstLine = lineFeeds;
    lineFeeds += piece.lineFeeds;
    if (piece.lastLineFeed != nullptr) lastLineFeed = piece.lastLineFeed;
    if (piece.error != 0) {
      reading.outcome = PieceReading::Outcome::kReadFailed;
      reading.error = piece.error;
      return;
    }
    if (piece.grew) {
      reading.outcome = PieceReading::Outcome::kGrew;
      return;
    }
    if (piece.end != nullptr) {
      textEnd = piece.end;
      break;
    }
  }

  // The last line needs no line end.
  char* const lastLine = lastLineFeed != nullptr ? lastLineFeed + 1 : text;
  const std::uint64_t count = lineFeeds + (lastLine != textEnd ? 1 : 0);
  EntryArray lines(count);
  if (count != 0) {
    WordEntry* const entries = lines.addUnset(count);
    if (entries == nullptr) {
      reading.outcome = PieceReading::Outcome::kOutOfMemory;
      reading.failedBytes = lines.failedBytes();
      return;
    }
    entries[0].text = text;
    // Before the look across pieces, which may come to where the text ends.
    *textEnd = '\0';
    reader.endLinesAcross(used);
    const auto split = [&](std::uint32_t begin, std::uint32_t end) {
      for (std::uint32_t i = begin; i < end; ++i) reader.split(i, pieces[i], entries, count);
    };
    // Alongside each other when the pieces were read so.
    if (shared) {
      shareOut(used, 1, split, split, Sharing::kHelper);
    } else {
      split(0, used);
    }
  }
  reading.outcome = PieceReading::Outcome::kRead;
  reading.lines = std::move(lines);
}

}  // namespace lexi
