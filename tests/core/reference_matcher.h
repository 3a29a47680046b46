// A literal transcription of the backtracking wildcard matcher that the bounded
// matcher must agree with. It is exponential, so it counts its steps and gives
// up past a limit. Kept in the tests only.
#pragma once

#include <cstddef>
#include <optional>

namespace lexi::testing_only {

inline unsigned char foldByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return static_cast<unsigned char>(u >= 'A' && u <= 'Z' ? u + 32 : u);
}

// 0 match, 1 no match, -9999 too many stars; nothing when `stepLimit` ran out.
inline std::optional<int> referenceWildMatch(const char* line, const char* pattern,
                                             long stepLimit) {
  struct StarRecord {
    std::size_t starPos;
    std::size_t resumePos;
  };
  StarRecord stack[8];
  int used = 0;
  std::size_t L = 0;
  std::size_t P = 0;
  for (long steps = 0; steps < stepLimit; ++steps) {
    if ((line[L] == '\0' || line[L] == ' ') && pattern[P] == '\0') return 0;
    const char c = pattern[P];
    if (c == '*') {
      if (used == 8) return -9999;
      stack[used++] = {P, L};
      ++P;
      continue;
    }
    if (c == '?') {
      if (line[L] != '\0') {
        ++L;
        ++P;
        continue;
      }
    } else if (foldByte(line[L]) == foldByte(c)) {
      ++L;
      ++P;
      continue;
    }
    // Backtrack: the newest star that can still grow covers one more character.
    while (used > 0 && line[stack[used - 1].resumePos] == '\0') --used;
    if (used == 0) return 1;
    StarRecord& record = stack[used - 1];
    ++record.resumePos;
    L = record.resumePos;
    P = record.starPos + 1;
  }
  return std::nullopt;
}

}  // namespace lexi::testing_only
