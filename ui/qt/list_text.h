// The meeting point of Qt's Unicode text and the word list's bytes, which are
// single-byte Latin-1 or UTF-8 as the loaded list decides (wordlist/text_encoding.h).
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "wordlist/text_encoding.h"

namespace lexi {

class ListText {
 public:
  explicit ListText(TextEncoding encoding) : encoding_(encoding) {}

  // The bytes that stand for `text` in the list. A character the list cannot
  // hold (outside Latin-1 in a Latin-1 list, an unpaired surrogate in a UTF-8
  // one) and a NUL become one 0x1A byte, the substitute character: Qt's own
  // conversions give '?' there, which would silently turn a query into a
  // pattern, and the engine's strings end at NUL.
  std::string toEngine(const QString& text) const;

  QString toDisplay(std::string_view bytes) const;

 private:
  TextEncoding encoding_;
};

// Lower-cases A to Z and nothing else, in place: the engine folds only those,
// so an accented capital must stay as typed for a pattern to find it.
void lowerAsciiLetters(QString& text);

}  // namespace lexi
