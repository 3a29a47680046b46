// What every way of answering a query in lexiquarium-find shares: the exit
// statuses, where messages go, and the output of lines.
#pragma once

#include <string>
#include <string_view>

#include "cli/terminal_text.h"
#include "match/search.h"
#include "wordlist/notifier.h"

namespace lexi::find {

// Exit statuses that scripts rely on.
enum Status : int {
  kFound = 0,
  kLoadFailed = 1,
  kBadUsage = 2,
  kNothingFound = 3,
  kStarsOverLimit = 4,
  kWriteFailed = 5,
};

// The core's messages, to standard error.
class StderrNotifier : public Notifier {
 public:
  void error(std::string_view message) override { sayError(message); }
  void warning(std::string_view message) override { sayError(message); }
};

// Lines to standard output, each after `prefix` (empty, or a query and a tab),
// as text or as bytes (terminal_text.h). Plain ASCII reads the same in either
// encoding: a line known to be ASCII may be written before the list's encoding
// is known.
class LineOutput : public ResultSink {
 public:
  explicit LineOutput(bool asText)
      : single_(TextEncoding::kSingleByte, asText), utf8_(TextEncoding::kUtf8, asText) {}

  // The encoding that appendLine writes from.
  void setEncoding(TextEncoding encoding) { encoding_ = encoding; }
  void setPrefix(std::string_view prefix) { prefix_ = prefix; }

  void appendLine(const char* text) override;

  unsigned long long lines() const { return lines_; }
  bool consoleFine() const { return single_.consoleFine() && utf8_.consoleFine(); }

 private:
  LineWriter single_;
  LineWriter utf8_;
  TextEncoding encoding_ = TextEncoding::kSingleByte;
  std::string_view prefix_;
  unsigned long long lines_ = 0;
};

// A query that is well formed but cannot be searched: tells `problem`, with no
// usage reminder, and returns kBadUsage.
int queryError(const std::string& problem);

// Flushes standard output; `status` stands unless the output was lost.
int finish(int status, bool consoleFine = true);

// The status of a search that printed `output`'s lines.
inline int finishFound(const LineOutput& output) {
  return finish(output.lines() > 0 ? kFound : kNothingFound, output.consoleFine());
}

}  // namespace lexi::find
