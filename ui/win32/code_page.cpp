#include "ui/win32/code_page.h"

#include "wordlist/ansi_code_page.h"

namespace lexi {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the controls' text is UTF-16");

const ByteCharset& charsetFor(TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return latin1Charset();  // not read
  return ansiCodePageCharset();
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
