#include "ui/web/page_text.h"

namespace lexi {

std::string PageText::toList(std::u16string_view text) const {
  return codec_.toList(codePointsOfUtf16(text)).bytes;
}

std::u16string PageText::toPage(std::string_view bytes) const {
  return utf16OfCodePoints(codec_.fromList(bytes));
}

}  // namespace lexi
