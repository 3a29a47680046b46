#include "ui/program.h"

#include <string>
#include <string_view>
#include <vector>

#include "base/two_threads.h"
#include "match/loaded_list.h"
#include "ui/message_notifier.h"

namespace lexi {

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
  LoadedList theWordList;
  HeldNotifier held;
  bool loaded = false;
  bothAtOnce(startToolkit, [&] { loaded = loadList(WordList::kFileName, theWordList, held); });
  MessageNotifier notifier(messages);
  held.passOn(notifier);
  if (!loaded) return 1;
  const DialogOutcome dialog = runDialog(theWordList.words, theWordList.keys, theWordList.encoding);
  theWordList.release();
  if (!dialog.shown) {
    std::string message = "The search dialog cannot be shown";
    message += dialog.reason.empty() ? "." : ": " + dialog.reason;
    notifier.error(message);
    return 1;
  }
  return 0;
}

}  // namespace lexi
