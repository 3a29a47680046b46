#include "wordlist/stepped_take.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "wordlist/line_reader.h"
#include "wordlist/text_encoding.h"

namespace lexi {

SteppedTake::~SteppedTake() {
  std::free(text_);
}

void SteppedTake::start(char* text, std::size_t size) {
  std::free(text_);
  text_ = text;
  end_ = text + size;
  line_ = text;
  scan_ = text;
  lines_ = EntryArray();
  outOfMemory_ = false;
}

bool SteppedTake::step(std::size_t bytes) {
  if (outOfMemory_ || scan_ == end_) return false;
  char* until = static_cast<std::size_t>(end_ - scan_) > bytes ? scan_ + bytes : end_;
  if (void* eof = std::memchr(scan_, kCtrlZ, static_cast<std::size_t>(until - scan_))) {
    end_ = until = static_cast<char*>(eof);
  }
  // A line may begin in one step and end in a later one: only an LF ends it.
  const bool all = forEachLineFeed(scan_, until, [this](char* lf) {
    endLineAt(line_, lf);
    if (!lines_.add(line_)) return false;
    line_ = lf + 1;
    return true;
  });
  scan_ = until;
  if (!all) {
    outOfMemory_ = true;
    return false;
  }
  if (scan_ < end_) return true;
  // The last line needs no line end.
  if (line_ == end_) return false;
  *end_ = '\0';
  outOfMemory_ = !lines_.add(line_);
  return false;
}

bool SteppedTake::finish(WordList& list, Notifier& notifier) {
  list.release();
  if (outOfMemory_) {
    std::free(std::exchange(text_, nullptr));
    notifier.error(OutOfMemoryMessage(lines_.failedBytes()).text());
    return false;
  }
  return list.keep(std::exchange(text_, nullptr), lines_, notifier);
}

}  // namespace lexi
