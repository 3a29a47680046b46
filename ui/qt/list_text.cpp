#include "ui/qt/list_text.h"

namespace lexi {

std::string ListText::toEngine(const QString& text) const {
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<std::size_t>(text.size()));
  return codec_.toList(codePointsOfUtf16(units)).bytes;
}

QString ListText::toDisplay(std::string_view bytes) const {
  const std::u16string units = utf16OfCodePoints(codec_.fromList(bytes));
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

void lowerAsciiLetters(QString& text) {
  for (QChar& c : text) c = QChar(static_cast<char16_t>(foldAZ(char32_t{c.unicode()})));
}

}  // namespace lexi
