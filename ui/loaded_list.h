// LoadedList: a word list as the dialog needs it, and the one way to make one.
//
// The desktop programs load their list once, at start-up, and close when it
// cannot be made. The web page also lets the user open a list of their own in
// place of the one it has; a list that cannot be made then leaves the old one
// in use, and the messages say so instead of saying that the program closes.
#pragma once

#include <string>
#include <string_view>

#include "match/sound_index.h"
#include "wordlist/notifier.h"
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

// Passes messages on to another notifier with the loader's closing sentence
// (kClosingSentence) replaced by `ending`: for a program that goes on.
class GoingOnNotifier : public Notifier {
 public:
  GoingOnNotifier(Notifier& next, std::string_view ending) : next_(next), ending_(ending) {}
  void error(std::string_view message) override;
  void warning(std::string_view message) override;

 private:
  std::string goingOn(std::string_view message) const;

  Notifier& next_;
  std::string_view ending_;
};

// What a program that goes on with the list it had says after a failure.
inline constexpr std::string_view kListKept = "\n\nThe word list in use is kept.";

// "Error: The file '<name>' holds no lines." and kListKept: a list of no lines
// would find nothing, so it replaces no list.
std::string emptyListMessage(std::string_view name);

}  // namespace lexi
