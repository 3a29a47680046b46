#include "wordlist/line_stream.h"

#include "wordlist/word_list.h"

namespace lexi {

bool LineStream::open(const char* path, Notifier& notifier) {
  path_ = path;
  notifier_ = &notifier;
  if (const int error = file_.open(path); error != 0) {
    notifier.error(cannotOpenMessage(path, error));
    return false;
  }
  return true;
}

void LineStream::fail(int status) {
  failed_ = true;
  if (status < 0) {
    notifier_->error(kLineOutOfMemoryMessage);
  } else {
    notifier_->error(cannotReadMessage(path_, status));
  }
}

}  // namespace lexi
