// The meeting point of the page's text (JavaScript strings, UTF-16) and the
// word list's bytes: strings cross into WebAssembly memory as UTF-16 code
// units and are handed to the list's one rule (wordlist/text_conversion.h).
#pragma once

#include <string>
#include <string_view>

#include "wordlist/text_conversion.h"

namespace lexi {

class PageText {
 public:
  // A list the user opens may have another encoding than the one before.
  void use(TextEncoding encoding) { codec_ = ListCodec(encoding); }

  // The bytes that stand for `text` in the list, a 0x1A for each character the
  // list cannot hold.
  std::string toList(std::u16string_view text) const;
  std::u16string toPage(std::string_view bytes) const;

 private:
  ListCodec codec_{TextEncoding::kSingleByte};
};

}  // namespace lexi
