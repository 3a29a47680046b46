#include "ui/loaded_list.h"

namespace lexi {

bool loadList(const char* path, LoadedList& list, Notifier& notifier) {
  if (!list.words.load(path, notifier) || !list.keys.build(list.words, notifier)) {
    list.release();
    return false;
  }
  list.encoding = detectEncoding(list.words);
  return true;
}

std::string GoingOnNotifier::goingOn(std::string_view message) const {
  if (message.ends_with(kClosingSentence)) message.remove_suffix(kClosingSentence.size());
  return std::string(message).append(ending_);
}

void GoingOnNotifier::error(std::string_view message) {
  next_.error(goingOn(message));
}

void GoingOnNotifier::warning(std::string_view message) {
  next_.warning(goingOn(message));
}

std::string emptyListMessage(std::string_view name) {
  return "Error: The file '" + std::string(name) + "' holds no lines." + std::string(kListKept);
}

}  // namespace lexi
