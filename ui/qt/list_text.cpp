#include "ui/qt/list_text.h"

namespace lexi {

namespace {

constexpr char kSubstitute = '\x1a';

void appendUtf8(char32_t c, std::string& bytes) {
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (c >> 18));
    bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string ListText::toEngine(const QString& text) const {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    char32_t code = c.unicode();
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      code = QChar::surrogateToUcs4(c, text.at(++i));
    } else if (c.isSurrogate()) {
      code = 0;
    }
    const bool held = encoding_ == TextEncoding::kUtf8 ? code != 0 : code != 0 && code <= 0xFF;
    if (!held) {
      bytes += kSubstitute;
    } else if (encoding_ == TextEncoding::kUtf8) {
      appendUtf8(code, bytes);
    } else {
      bytes += static_cast<char>(code);
    }
  }
  return bytes;
}

QString ListText::toDisplay(std::string_view bytes) const {
  const auto size = static_cast<qsizetype>(bytes.size());
  return encoding_ == TextEncoding::kUtf8 ? QString::fromUtf8(bytes.data(), size)
                                          : QString::fromLatin1(bytes.data(), size);
}

void lowerAsciiLetters(QString& text) {
  for (QChar& c : text) {
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
  }
}

}  // namespace lexi
