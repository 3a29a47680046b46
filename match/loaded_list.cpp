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

void SteppedLoad::start(char* text, std::size_t size) {
  take_.start(text, size);
  stage_ = Stage::kLines;
  next_ = 0;
}

SteppedLoad::Progress SteppedLoad::step(LoadedList& list, Notifier& notifier) {
  switch (stage_) {
    case Stage::kLines:
      if (take_.step(kBytesAtATime)) return Progress::kMore;
      if (!take_.finish(list.words, notifier) || !list.keys.begin(list.words, notifier)) {
        list.release();
        return Progress::kFailed;
      }
      stage_ = Stage::kKeys;
      return Progress::kMore;
    case Stage::kKeys: {
      const std::uint32_t count = list.words.count();
      const std::uint32_t to = count - next_ > kLinesAtATime ? next_ + kLinesAtATime : count;
      list.keys.computeKeys(list.words, next_, to);
      next_ = to;
      if (next_ == count) stage_ = Stage::kEncoding;
      return Progress::kMore;
    }
    case Stage::kEncoding:
      break;
  }
  list.encoding = detectEncoding(list.words);
  return Progress::kDone;
}

}  // namespace lexi
