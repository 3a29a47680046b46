#include "match/line_test.h"

#include <algorithm>
#include <cstring>

namespace lexi {

namespace {

// Whether the line's key is `key`. Most lines differ in the key's first
// character, which costs a fraction of the whole key: only the others get theirs.
bool hasKey(const char* text, const SoundKey& key) {
  return soundKeyFirst(text) == key.text[0] &&
         std::memcmp(soundKey(text).text, key.text, sizeof key.text) == 0;
}

}  // namespace

bool isPattern(const char* query) {
  return std::strchr(query, '*') != nullptr || std::strchr(query, '?') != nullptr;
}

LineTest::LineTest(const char* query, TextEncoding encoding) {
  if (isPattern(query)) {
    pattern_.emplace(query, encoding);
    mayStop_ = std::count(query, query + std::strlen(query), '*') > kMaxStars;
  } else {
    key_ = soundKey(query);
  }
}

int LineTest::test(const char* line) const {
  if (pattern_) return pattern_->match(line);
  // The empty key matches nothing.
  return !key_.empty() && hasKey(line, key_) ? kMatch : kNoMatch;
}

}  // namespace lexi
