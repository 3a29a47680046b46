// LineReader: splits a byte stream into lines the way the text mode of the
// Windows C library reads a file, so that word lists behave alike everywhere:
//   - CR LF is one line end; a CR that is not followed by LF stays in the text;
//   - the first byte 0x1A (Ctrl-Z) ends the stream; it and all after it are ignored;
//   - the last line needs no line end, and a final line end adds no empty line;
//   - a NUL ends a line's text; the rest of that physical line is dropped.
// A line has no length limit: the buffer doubles while a line does not fit.
//
// Lines are ended in place: the reader writes a NUL over each line end and hands
// out pointers into its one buffer, so a line costs no copy. The word list reads
// a pipe, or a file that grew while it was read, whole first (readAll) and then
// takes the buffer with every line in it; a file of known size goes in pieces
// (piece_reader.h) by the same line ends. The query tool reads standard input a
// line at a time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "wordlist/input_file.h"

namespace lexi {

// Calls found(lf) for every LF in [from, end), in order, until found returns
// false; returns whether it never did. Sixteen bytes at a time where the
// processor can compare them at once: the lines of a word list are short, and
// a loader that stopped at every line end would spend most of its time there.
template <class Found>
bool forEachLineFeed(char* from, char* end, Found&& found) {
#if defined(__SSE2__)
  const __m128i lineFeeds = _mm_set1_epi8('\n');
  for (; end - from >= 16; from += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    auto marks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeeds)));
    for (; marks != 0; marks &= marks - 1) {
      if (!found(from + std::countr_zero(marks))) return false;
    }
  }
#endif
  while (from < end) {
    char* const lf =
        static_cast<char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
    if (lf == nullptr) return true;
    if (!found(lf)) return false;
    from = lf + 1;
  }
  return true;
}

// The first LF in [from, end), or nullptr.
inline char* findLineFeed(char* from, char* end) {
  char* first = nullptr;
  forEachLineFeed(from, end, [&first](char* lf) {
    first = lf;
    return false;
  });
  return first;
}

// Ends the line that starts at `line` and whose LF is at `lf` with a NUL: over
// the LF, or over the CR of a CR LF (any other CR belongs to the text). A NUL
// within the line then ends it as a C string, as the rules want.
inline void endLineAt(char* line, char* lf) {
  if (lf > line && lf[-1] == '\r') --lf;
  *lf = '\0';
}

class LineReader {
 public:
  // Reads from `file`, which the caller keeps open while the reader is used.
  // `firstCapacity` is the buffer's first size: the size of the whole file, when
  // it is known, saves growing the buffer.
  explicit LineReader(InputFile& file, std::size_t firstCapacity = kDefaultCapacity);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  static constexpr std::size_t kDefaultCapacity = std::size_t{64} * 1024;

  // Returns true with the next line in `line`, NUL-terminated; it stays valid
  // until a later call has to read more (never after readAll()) and, once the
  // buffer is taken, as long as the buffer. Returns false at the end of the
  // stream (status 0), when memory runs out (status -1) or on a read error
  // (status holds the error number, above 0).
  bool getALine(const char*& line, int& status) {
    // Most lines end within the bytes already read: that path stays inline.
    char* const lf = findLineFeed(buffer_ + scan_, buffer_ + end_);
    if (lf == nullptr) return getLastOrMore(line, status);
    status = 0;
    line = nextLine(lf);
    return true;
  }

  // Reads the rest of the stream into the buffer, which grows as needed, so that
  // getALine() then never reads again. Returns false with `status` as above.
  bool readAll(int& status);

  // After readAll(), and instead of getALine(): hands over the buffer, to be
  // freed with std::free, or nullptr when nothing was read, with `size` the size
  // of the text in it, not yet split; the byte after the text is free for a NUL.
  // The reader is then empty.
  char* takeBuffer(std::size_t& size);

 private:
  // Ends the line being read at `lf` and moves on to the next one.
  char* nextLine(char* lf) {
    char* const line = buffer_ + start_;
    start_ = scan_ = static_cast<std::size_t>(lf - buffer_) + 1;
    endLineAt(line, lf);
    return line;
  }

  bool getLastOrMore(const char*& line, int& status);
  bool fill(int& status);

  InputFile& file_;
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t firstCapacity_;
  std::size_t start_ = 0;  // first byte of the line being read
  std::size_t scan_ = 0;   // where the search for its line end goes on
  std::size_t end_ = 0;    // end of the bytes read so far
  bool atEnd_ = false;
};

}  // namespace lexi
