#include "ui/qt/latin1_text.h"

namespace lexi {

namespace {
constexpr char kSubstitute = '\x1a';
}

std::string toEngineText(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      ++i;  // one character outside the Basic Plane: one substitute
      bytes += kSubstitute;
    } else if (c.unicode() != 0 && c.unicode() <= 0xFF) {
      bytes += static_cast<char>(c.unicode());
    } else {
      bytes += kSubstitute;
    }
  }
  return bytes;
}

void lowerAsciiLetters(QString& text) {
  for (QChar& c : text) {
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
  }
}

}  // namespace lexi
