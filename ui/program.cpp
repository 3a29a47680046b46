#include "ui/program.h"

#include <string>
#include <string_view>
#include <vector>

#include "base/two_threads.h"
#include "ui/message_notifier.h"

namespace lexi {

WordList theWordList;
SoundIndex theSoundIndex;

namespace {

// Keeps what the loading thread has to say until the toolkit can show it.
class HeldNotifier : public Notifier {
 public:
  void error(std::string_view message) override { errors_.emplace_back(message); }
  void warning(std::string_view message) override { warnings_.emplace_back(message); }

  void passOn(Notifier& notifier) const {
    for (const std::string& message : errors_) notifier.error(message);
    for (const std::string& message : warnings_) notifier.warning(message);
  }

 private:
  std::vector<std::string> errors_;
  std::vector<std::string> warnings_;
};

}  // namespace

int runProgram(MessageDisplay& messages, const std::function<void()>& startToolkit,
               const RunDialog& runDialog) {
  HeldNotifier held;
  bool loaded = false;
  TextEncoding encoding = TextEncoding::kSingleByte;
  bothAtOnce(startToolkit, [&] {
    loaded = theWordList.load(WordList::kFileName, held) && theSoundIndex.build(theWordList, held);
    if (loaded) encoding = detectEncoding(theWordList);
  });
  MessageNotifier notifier(messages);
  held.passOn(notifier);
  if (!loaded) {
    theWordList.release();
    return 1;
  }
  runDialog(theWordList, theSoundIndex, encoding);
  theSoundIndex.release();
  theWordList.release();
  return 0;
}

}  // namespace lexi
