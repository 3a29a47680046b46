#include "ui/win32/code_page.h"

#include <windows.h>

namespace lexi {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the controls' text is UTF-16");

// The character of each byte in the ANSI code page. A byte it cannot turn into
// one UTF-16 unit alone (undefined, or the first of two in an Asian code page)
// stands for none.
ByteCharset ansiCharset() {
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

const ByteCharset& charsetFor(TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return latin1Charset();  // not read
  static const ByteCharset ansi = ansiCharset();
  return ansi;
}

}  // namespace

CodePage::CodePage(TextEncoding encoding) : codec_(encoding, charsetFor(encoding)) {}

std::string CodePage::toEngine(std::wstring_view text) const {
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
  return codec_.toList(codePointsOfUtf16(units)).bytes;
}

std::wstring CodePage::toWide(std::string_view bytes) const {
  const std::u16string units = utf16OfCodePoints(codec_.fromList(bytes));
  return {reinterpret_cast<const wchar_t*>(units.data()), units.size()};
}

}  // namespace lexi
