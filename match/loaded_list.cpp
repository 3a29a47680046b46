#include "match/loaded_list.h"

namespace lexi {

bool loadList(const char* path, LoadedList& list, Notifier& notifier) {
  if (!list.words.load(path, notifier) || !list.keys.build(list.words, notifier)) {
    list.release();
    return false;
  }
  list.encoding = detectEncoding(list.words);
  return true;
}

bool SteppedLoad::start(char* text, std::size_t size, LoadedList& list, Notifier& notifier) {
  next_ = 0;
  if (!list.words.take(text, size, notifier) || !list.keys.begin(list.words, notifier)) {
    list.release();
    return false;
  }
  return true;
}

bool SteppedLoad::computeKeys(LoadedList& list, std::uint32_t lines) {
  const std::uint32_t count = list.words.count();
  const std::uint32_t to = count - next_ > lines ? next_ + lines : count;
  list.keys.computeKeys(list.words, next_, to);
  next_ = to;
  return next_ < count;
}

}  // namespace lexi
