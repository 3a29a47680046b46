// The meeting point of the Windows controls' UTF-16 text and the word list's
// bytes: the ANSI code page for a single-byte list, UTF-8 for a UTF-8 one
// (wordlist/text_encoding.h), so that a UTF-8 list shows and is searched as
// it is on Linux.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "wordlist/text_encoding.h"

namespace lexi {

class CodePage {
 public:
  explicit CodePage(TextEncoding encoding)
      : page_(encoding == TextEncoding::kUtf8 ? CP_UTF8 : CP_ACP) {}

  // The bytes that stand for `text` in the list. A character the ANSI code page
  // cannot hold, and a NUL, become one 0x1A byte (the substitute character),
  // never '?', which would silently turn a query into a pattern; the engine's
  // strings end at NUL.
  std::string toEngine(std::wstring_view text) const;

  std::wstring toWide(std::string_view bytes) const;

 private:
  UINT page_;
};

}  // namespace lexi
