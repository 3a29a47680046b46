// Loads arbitrary bytes as a word list, from a file and from memory in steps,
// and checks the entries against a plain model of the text-mode rules, so that
// no byte sequence can lose, split, join or corrupt a line.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "match/sound_index.h"
#include "match/sound_key.h"
#include "tests/core/text_mode_model.h"
#include "tests/fuzz/scratch_file.h"
#include "wordlist/notifier.h"
#include "wordlist/stepped_take.h"
#include "wordlist/word_list.h"

namespace {

class SilentNotifier : public lexi::Notifier {
 public:
  void error(std::string_view) override { failed = true; }
  void warning(std::string_view) override {}
  bool failed = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static lexi::testing_only::ScratchFile scratch("load");
  const char* path = scratch.write(data, size);

  lexi::WordList list;
  SilentNotifier notifier;
  // Chunks of a few bytes and a helper for every piece put the boundaries
  // between chunks and pieces everywhere. A readable file always loads.
  const lexi::ReadingPlan plan{1 + size % 13, static_cast<std::uint32_t>(1 + size % 3),
                               lexi::Sharing::kHelper};
  if (!list.load(path, notifier, plan) || notifier.failed) __builtin_trap();
  lexi::SoundIndex index;
  if (!index.build(list, notifier) || index.count() != list.count()) __builtin_trap();

  // The same bytes handed over in memory and taken in steps of a few bytes.
  auto* const text = static_cast<char*>(std::malloc(size + 1));
  if (size != 0) std::memcpy(text, data, size);
  lexi::SteppedTake steps;
  steps.start(text, size);
  while (steps.step(1 + size % 7)) continue;
  lexi::WordList taken;
  if (!steps.finish(taken, notifier)) __builtin_trap();

  const std::vector<std::string> expected =
      lexi::testing_only::modelLines({reinterpret_cast<const char*>(data), size});
  if (list.count() != expected.size() || taken.count() != expected.size()) __builtin_trap();
  for (std::uint32_t i = 0; i < list.count(); ++i) {
    const lexi::WordEntry& entry = list.entries()[i];
    if (std::strchr(entry.text, '\n') != nullptr) __builtin_trap();
    if (entry.text != expected[i] || taken.entries()[i].text != expected[i]) __builtin_trap();
    if (std::memcmp(index.keys()[i].text, lexi::soundKey(expected[i]).text, 8) != 0)
      __builtin_trap();
  }
  return 0;
}
