// LineStream: the lines of a word list file read through one small buffer, for
// a caller that looks at each line once and keeps few of them (the query tool's
// one-shot queries). The lines are those WordList::load gives, by the same rules
// (line_reader.h), and a failure is told in the same words; what differs is the
// memory: a buffer of LineReader::kDefaultCapacity, reused, which grows only
// while one line does not fit in it, instead of the whole file.
//
// A failure can come after some lines were handed out (a read error halfway):
// they stay handed out, as grep's output does.
#pragma once

#include "wordlist/input_file.h"
#include "wordlist/line_reader.h"
#include "wordlist/notifier.h"

namespace lexi {

class LineStream {
 public:
  LineStream() : reader_(file_) {}

  // Opens `path`. Returns false after telling `notifier` that it cannot.
  bool open(const char* path, Notifier& notifier);

  // Returns true with the next line, NUL-terminated, valid until the next call.
  // Returns false at the end of the file, or after a failure, which it has
  // told the notifier that open() was given (failed() then says so).
  bool next(const char*& line) {
    int status = 0;
    if (reader_.getALine(line, status)) return true;
    if (status != 0) fail(status);
    return false;
  }

  bool failed() const { return failed_; }

 private:
  void fail(int status);

  InputFile file_;
  LineReader reader_;
  const char* path_ = nullptr;
  Notifier* notifier_ = nullptr;
  bool failed_ = false;
};

}  // namespace lexi
