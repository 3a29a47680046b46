// SteppedTake: WordList::take in steps, for a thread that must answer between
// them (the web page's). Each step ends the lines of the next few bytes in
// place, by the rules of LineReader (forEachLineFeed and endLineAt); the
// steps' sizes never change the lines.
#pragma once

#include <cstddef>

#include "wordlist/entry_array.h"
#include "wordlist/notifier.h"
#include "wordlist/word_list.h"

namespace lexi {

class SteppedTake {
 public:
  SteppedTake() = default;
  ~SteppedTake();
  SteppedTake(const SteppedTake&) = delete;
  SteppedTake& operator=(const SteppedTake&) = delete;

  // Starts on the `size` bytes at `text`, a block as WordList::take has it,
  // which this object owns from then on (and frees, unless finish() gives it
  // to a list). Whatever was started before is dropped.
  void start(char* text, std::size_t size);

  // Ends the lines of up to `bytes` more bytes, above 0; true while bytes
  // remain. False too once memory for the entries ran out, which finish()
  // then tells.
  bool step(std::size_t bytes);

  // After the last step: makes `list` of the lines, or, when memory ran out,
  // tells `notifier` and leaves `list` empty. The block is the list's, or
  // freed.
  bool finish(WordList& list, Notifier& notifier);

 private:
  char* text_ = nullptr;
  char* end_ = nullptr;   // where the text ends: the first 0x1A, once a step saw it
  char* line_ = nullptr;  // where the line being ended starts
  char* scan_ = nullptr;  // the first byte no step has looked at
  EntryArray lines_;
  bool outOfMemory_ = false;
};

}  // namespace lexi
