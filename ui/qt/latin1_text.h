// The meeting point of Qt's Unicode text and the engine's Latin-1 bytes.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lexi {

// One byte per character typed: the character's Latin-1 byte, or 0x1A (the
// substitute character) for one that Latin-1 cannot hold. Qt's own conversion
// gives '?' there, which would silently turn the query into a pattern. A NUL
// becomes 0x1A too, since the engine's strings end at NUL.
std::string toEngineText(const QString& text);

inline QString fromEngineText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Lower-cases A to Z and nothing else, in place: the engine folds only those,
// so an accented capital must stay as typed for a pattern to find it.
void lowerAsciiLetters(QString& text);

}  // namespace lexi
