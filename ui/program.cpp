#include "ui/program.h"

#include "ui/message_notifier.h"

namespace lexi {

WordList theWordList;
SoundIndex theSoundIndex;

int runProgram(MessageDisplay& messages,
               const std::function<void(const WordList&, const SoundIndex&)>& runDialog) {
  MessageNotifier notifier(messages);
  if (!theWordList.load(WordList::kFileName, notifier)) return 1;
  if (!theSoundIndex.build(theWordList, notifier)) {
    theWordList.release();
    return 1;
  }
  runDialog(theWordList, theSoundIndex);
  theSoundIndex.release();
  theWordList.release();
  return 0;
}

}  // namespace lexi
