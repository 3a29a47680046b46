// nearSearch against the plain reference of the tests (scoring every line in
// full, tests/core/reference_near_search.h) on any list and any typed word, the
// list read as single-byte text and as UTF-8: both must list the same lines in
// the same order, and nothing may be read out of bounds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "match/near_search.h"
#include "tests/core/reference_near_search.h"
#include "tests/fuzz/scratch_file.h"

namespace {

class SilentNotifier : public lexi::Notifier {
 public:
  void error(std::string_view) override {}
  void warning(std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The typed word, a NUL, then the list.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\0');
  if (split == std::string_view::npos) return 0;
  const std::string typed(bytes.substr(0, split));
  static lexi::testing_only::ScratchFile scratch("near_search");
  lexi::WordList list;
  lexi::SoundIndex keys;
  SilentNotifier notifier;
  if (!list.load(scratch.write(data + split + 1, size - split - 1), notifier) ||
      !keys.build(list, notifier)) {
    __builtin_trap();
  }
  const auto most = static_cast<std::uint32_t>(1 + size % 25);
  for (const auto encoding : {lexi::TextEncoding::kSingleByte, lexi::TextEncoding::kUtf8}) {
    lexi::NearIndex index;
    if (!index.build(list, keys, encoding, notifier)) __builtin_trap();
    const lexi::testing_only::ReferenceNearSearch reference(list, encoding, nullptr);
    const auto sharing = size % 2 == 0 ? lexi::Sharing::kNone : lexi::Sharing::kHelper;
    const auto [found, expected] = reference.compare(index, typed.c_str(), most, sharing);
    if (found != expected) __builtin_trap();
  }
  return 0;
}
