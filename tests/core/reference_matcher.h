// A literal transcription of the backtracking wildcard matcher that the bounded
// matcher must agree with, over characters as decodeChar reads them in the
// list's encoding. It is exponential, so it counts its steps and gives up past a
// limit. It repeats the A-Z fold on its own, so that a fault in foldAZ shows.
// Kept in the tests only.
#pragma once

#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "wordlist/text_encoding.h"

namespace lexi::testing_only {

inline unsigned char foldByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return static_cast<unsigned char>(u >= 'A' && u <= 'Z' ? u + 32 : u);
}

// The characters of `text`, each its bytes, and an empty one for the end.
inline std::vector<std::string_view> charactersOf(std::string_view text, TextEncoding encoding) {
  std::vector<std::string_view> chars;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t size = decodeChar(text, at, encoding).size;
    chars.push_back(text.substr(at, size));
    at += size;
  }
  chars.emplace_back();
  return chars;
}

inline bool sameFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldByte(a[i]) != foldByte(b[i])) return false;
  }
  return true;
}

// 0 match, 1 no match, -9999 too many stars; nothing when `stepLimit` ran out.
inline std::optional<int> referenceWildMatch(const char* lineText, const char* patternText,
                                             TextEncoding encoding, long stepLimit) {
  const auto line = charactersOf(lineText, encoding);
  const auto pattern = charactersOf(patternText, encoding);
  struct StarRecord {
    std::size_t starPos;
    std::size_t resumePos;
  };
  StarRecord stack[8];
  int used = 0;
  std::size_t L = 0;
  std::size_t P = 0;
  for (long steps = 0; steps < stepLimit; ++steps) {
    if ((line[L].empty() || line[L] == " ") && pattern[P].empty()) return 0;
    const std::string_view c = pattern[P];
    if (c == "*") {
      if (used == 8) return -9999;
      stack[used++] = {P, L};
      ++P;
      continue;
    }
    if (c == "?") {
      if (!line[L].empty()) {
        ++L;
        ++P;
        continue;
      }
    } else if (!c.empty() && sameFolded(line[L], c)) {
      ++L;
      ++P;
      continue;
    }
    // Backtrack: the newest star that can still grow covers one more character.
    while (used > 0 && line[stack[used - 1].resumePos].empty()) --used;
    if (used == 0) return 1;
    StarRecord& record = stack[used - 1];
    ++record.resumePos;
    L = record.resumePos;
    P = record.starPos + 1;
  }
  return std::nullopt;
}

}  // namespace lexi::testing_only
