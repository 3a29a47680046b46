// The meeting point of Qt's Unicode text and the word list's bytes, which are
// single-byte Latin-1 or UTF-8 as the loaded list decides: Qt's UTF-16 is handed
// to the list's one rule (wordlist/text_conversion.h) and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "wordlist/text_conversion.h"

namespace lexi {

class ListText {
 public:
  explicit ListText(TextEncoding encoding) : codec_(encoding) {}

  // The bytes that stand for `text` in the list, a 0x1A for each character the
  // list cannot hold (NUL, a lone surrogate, one outside a Latin-1 list's set).
  std::string toEngine(const QString& text) const;

  QString toDisplay(std::string_view bytes) const;

 private:
  ListCodec codec_;
};

// Lower-cases A to Z and nothing else, in place: the engine folds only those,
// so an accented capital must stay as typed for a pattern to find it.
void lowerAsciiLetters(QString& text);

}  // namespace lexi
