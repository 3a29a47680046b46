// WordList: every line of the word list file, in file order.
//
// The list is loaded once and read-only afterwards; the search walks its entries
// for every query. The list owns every text it hands out: they stay valid until
// release() or destruction. What is derived from the lines, such as their sound
// keys, lives with the code that derives it (match/sound_index.h).
//
// Loading reads the file with the text-mode rules of LineReader (CR LF is LF,
// a lone CR stays, the first 0x1A ends the file, a NUL ends a line's text).
// A failure is reported through the Notifier with the exact text the user sees,
// and the list is left empty: no partial list ever survives a failed load.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "wordlist/notifier.h"
#include "wordlist/reading_plan.h"

namespace lexi {

class EntryArray;

// One line of the word list.
struct WordEntry {
  const char* text;  // the line without its line end, NUL-terminated
};

class WordList {
 public:
  // The one file the programs read, relative to the current directory.
  static constexpr const char* kFileName = "LexiquariumWords.txt";

  WordList() = default;
  ~WordList() { release(); }
  WordList(const WordList&) = delete;
  WordList& operator=(const WordList&) = delete;

  // Loads `path`, replacing what the list held. Returns false after a failure,
  // having told `notifier`.
  // The file is closed before load() returns, whatever the outcome. `plan`
  // says how a regular file is read; the lines are the same for every plan.
  bool load(const char* path, Notifier& notifier, const ReadingPlan& plan = ReadingPlan{});

  // Makes the list of `size` bytes at `text`, a block from std::malloc with
  // room for one byte more, that the caller has read from a file: the lines are
  // those load() makes of that file. The list owns the block from then on,
  // whatever the outcome; false after memory for the entries ran out, having
  // told `notifier`. For a program that reads the file itself; it costs a pass
  // over the bytes, which SteppedTake (stepped_take.h) makes in steps.
  bool take(char* text, std::size_t size, Notifier& notifier);

  // Frees every entry; the list is then empty.
  void release();

  std::uint32_t count() const { return count_; }
  // The lines in file order; their texts lie in one block, in the same order.
  const WordEntry* entries() const { return entries_; }

 private:
  friend class SteppedTake;

  // Takes `texts` and the entries of its lines, or, when memory for them runs
  // out, tells `notifier` and frees them.
  bool keep(char* texts, EntryArray& lines, Notifier& notifier);

  std::uint32_t count_ = 0;
  WordEntry* entries_ = nullptr;
  char* texts_ = nullptr;  // every line, each ended by a NUL in place
};

// What a load says when `path` cannot be opened, with the error number `error`:
// "Error: Cannot open file '<path>':" with the path as seen from the current
// directory, the error's text, and kClosingSentence. When the list looked for
// in two places was in neither, `otherPath` names the second
// ("... file '<path>' or '<otherPath>':").
std::string cannotOpenMessage(std::string_view path, int error, std::string_view otherPath = {});

// What a load says when memory for a line runs out: whole, so that telling it
// takes no memory.
inline constexpr std::string_view kLineOutOfMemoryMessage =
    "Error: Cannot get memory in getALine.\n\nLexiquarium will close now.";
static_assert(kLineOutOfMemoryMessage.ends_with(kClosingSentence));

// What a load says when reading `name` fails with the error number `error`:
// "Error: Cannot read file '<name>':", the error's text, and kClosingSentence.
// For a front end that reads the file itself before the load.
std::string cannotReadMessage(std::string_view name, int error);

}  // namespace lexi
