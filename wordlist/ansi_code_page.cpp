#include "wordlist/ansi_code_page.h"

#include <windows.h>

namespace lexi {

namespace {

ByteCharset readAnsiCharset() {
  ByteCharset set{};
  for (unsigned b = 0; b < set.size(); ++b) {
    const char byte = static_cast<char>(b);
    wchar_t wide = 0;
    const int made = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1);
    const bool surrogate = wide >= 0xD800 && wide <= 0xDFFF;
    set[b] = made == 1 && !surrogate ? char32_t{wide} : kNoCharacter;
  }
  return set;
}

}  // namespace

const ByteCharset& ansiCodePageCharset() {
  static const ByteCharset ansi = readAnsiCharset();
  return ansi;
}

unsigned ansiCodePageNumber() {
  return GetACP();
}

}  // namespace lexi
