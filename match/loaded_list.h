// LoadedList: a word list as a program searches it, and the ways to make one:
// at once, or in steps. The desktop programs load theirs once, at start-up; the
// web page makes one of the bundled list and of each list the user opens, in
// steps; the query tool makes one for --near and --queries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "match/sound_index.h"
#include "wordlist/notifier.h"
#include "wordlist/stepped_take.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

// The lines, the sound key of each, and the list's encoding.
struct LoadedList {
  WordList words;
  SoundIndex keys;
  TextEncoding encoding = TextEncoding::kSingleByte;

  void release() {
    keys.release();
    words.release();
  }
};

// Loads `path` (WordList::load), builds its sound index and decides its
// encoding. False, having told `notifier` and left `list` empty, when the
// list cannot be made. It costs a read of the file and a pass over its lines.
bool loadList(const char* path, LoadedList& list, Notifier& notifier);

// loadList in steps, none long, for a thread that must answer between them (the
// web page), over the bytes of a file the caller has read itself: start()
// takes them, and each step() then ends the lines of a few more bytes
// (SteppedTake), computes the sound keys of a few more lines, or decides the
// encoding. Once the steps are done, `list` is the one loadList makes of that
// file, on this thread alone.
class SteppedLoad {
 public:
  // `text` and `size` as WordList::take has them; the block is the load's from
  // then on. Whatever was started before is dropped.
  void start(char* text, std::size_t size);

  enum class Progress { kMore, kDone, kFailed };
  // One step: the lines of 256 KB of text, the keys of 2,048 lines, or the
  // encoding's look at the lines; each well under a millisecond here. kFailed,
  // having told `notifier` and left `list` empty, as loadList.
  Progress step(LoadedList& list, Notifier& notifier);

 private:
  static constexpr std::size_t kBytesAtATime = std::size_t{1} << 18;
  static constexpr std::uint32_t kLinesAtATime = 2048;

  enum class Stage { kLines, kKeys, kEncoding } stage_ = Stage::kLines;
  SteppedTake take_;
  std::uint32_t next_ = 0;  // the first line without its key
};

}  // namespace lexi
