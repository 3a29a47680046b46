// LineReader: splits a byte stream into lines the way the text mode of the
// Windows C library reads a file, so that word lists behave alike everywhere:
//   - CR LF is one line end; a CR that is not followed by LF stays in the text;
//   - the first byte 0x1A (Ctrl-Z) ends the stream; it and all after it are ignored;
//   - the last line needs no line end, and a final line end adds no empty line;
//   - a NUL ends a line's text; the rest of that physical line is dropped.
// A line has no length limit: the buffer doubles while a line does not fit.
#pragma once

#include <cstddef>
#include <string_view>

#include "wordlist/input_file.h"

namespace lexi {

class LineReader {
 public:
  // Reads from `file`, which the caller keeps open while the reader is used.
  explicit LineReader(InputFile& file);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Returns true with the next line in `line`, valid until the next call.
  // Returns false at the end of the stream (status 0), when memory runs out
  // (status -1) or on a read error (status holds the error number, above 0).
  bool getALine(std::string_view& line, int& status);

 private:
  bool fill(int& status);
  std::string_view finish(std::size_t begin, std::size_t end);

  InputFile& file_;
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
  std::size_t start_ = 0;  // first byte of the line being read
  std::size_t scan_ = 0;   // where the search for its line end goes on
  std::size_t end_ = 0;    // end of the bytes read so far
  bool atEnd_ = false;
};

}  // namespace lexi
