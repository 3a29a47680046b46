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

}  // namespace lexi
