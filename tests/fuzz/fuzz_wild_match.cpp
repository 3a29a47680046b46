// wildMatch against the literal backtracking matcher it replaces: the two must
// agree on every line and pattern that the backtracking settles within its steps,
// with the line read as single-byte text and as UTF-8.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "match/wild_match.h"
#include "tests/core/reference_matcher.h"

namespace {

// Enough for every short pair; the rest the reference gives up on.
constexpr long kStepLimit = 20000;

// A NUL-terminated copy in a block of exactly its size, so that a read past the
// terminator is an overflow.
std::unique_ptr<char[]> terminated(std::string_view text) {
  auto copy = std::make_unique<char[]>(text.size() + 1);
  if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The line, a NUL, then the pattern up to the next NUL.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\0');
  if (split == std::string_view::npos) return 0;
  std::string_view pattern = bytes.substr(split + 1);
  pattern = pattern.substr(0, pattern.find('\0'));

  const auto line = terminated(bytes.substr(0, split));
  const auto pat = terminated(pattern);
  for (const auto encoding : {lexi::TextEncoding::kSingleByte, lexi::TextEncoding::kUtf8}) {
    const int result = lexi::wildMatch(line.get(), pat.get(), encoding);
    if (result != lexi::kMatch && result != lexi::kNoMatch && result != lexi::kTooManyStars)
      __builtin_trap();
    const std::optional<int> reference =
        lexi::testing_only::referenceWildMatch(line.get(), pat.get(), encoding, kStepLimit);
    if (reference.has_value() && *reference != result) __builtin_trap();
  }
  return 0;
}
