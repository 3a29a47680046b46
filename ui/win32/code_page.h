// The meeting point of the Windows controls' UTF-16 text and the word list's
// bytes: the ANSI code page for a single-byte list, UTF-8 for a UTF-8 one
// (wordlist/text_encoding.h), so that a UTF-8 list shows and is searched as
// it is on Linux. The list's one rule (wordlist/text_conversion.h) decides;
// this class only hands it the code page's characters and the controls' text.
#pragma once

#include <string>
#include <string_view>

#include "wordlist/text_conversion.h"

namespace lexi {

class CodePage {
 public:
  // For a single-byte list it reads the ANSI code page's characters, once a
  // program; a byte the code page leaves undefined stands for no character.
  explicit CodePage(TextEncoding encoding);

  // The bytes that stand for `text` in the list, a 0x1A for each character the
  // list cannot hold (NUL, a lone surrogate, one the code page has no byte for:
  // never a look-alike).
  std::string toEngine(std::wstring_view text) const;

  // The list's bytes as the controls' text; an undefined byte shows as U+FFFD.
  std::wstring toWide(std::string_view bytes) const;

 private:
  ListCodec codec_;
};

}  // namespace lexi
