#include "match/near_search.h"

namespace lexi {

struct NearIndex::Line {};

bool NearIndex::build(const WordList& list, const SoundIndex& keys, TextEncoding encoding,
                      Notifier&) {
  list_ = &list;
  keys_ = &keys;
  encoding_ = encoding;
  return true;
}

void NearIndex::release() {
  list_ = nullptr;
  keys_ = nullptr;
}

std::uint32_t nearSearch(const NearIndex& index, const char* query, std::uint32_t maxResults,
                         ResultSink& sink) {
  const SoundKey key = soundKey(query);
  std::uint32_t appended = 0;
  for (std::uint32_t i = 0; i < index.list_->count() && appended < maxResults; ++i) {
    if (!key.empty() && index.keys_->keys()[i].view() == key.view()) {
      sink.appendLine(index.list_->entries()[i].text);
      ++appended;
    }
  }
  return appended;
}

}  // namespace lexi
