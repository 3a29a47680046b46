#include "match/sound_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/core/test_support.h"

namespace lexi {
namespace {

using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;

// Each line's key, in file order, whatever the line holds.
TEST(SoundIndex, HoldsTheKeyOfEachLine) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<const char*> keys;
  } cases[] = {
      {"empty list", "", {}},
      {"words and blanks", "phone n. a device\n\nKnight x\n123\n", {"fn", "", "nt", ""}},
      {"NUL and CR LF", std::string("nite\0xx\r\nschool\r\n", 17), {"nt", "skl"}},
      {"no final line end", "fone\nthompson", {"fn", "0mpsn"}},
  };
  ScratchDirectory dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WordList list;
    SoundIndex index;
    RecordingNotifier notifier;
    ASSERT_TRUE(list.load(dir.write("words.txt", c.bytes).c_str(), notifier));
    ASSERT_TRUE(index.build(list, notifier));
    ASSERT_EQ(index.count(), c.keys.size());
    for (std::uint32_t i = 0; i < index.count(); ++i) {
      EXPECT_EQ(0, std::memcmp(index.keys()[i].text, soundKey(list.entries()[i].text).text, 8));
      EXPECT_STREQ(index.keys()[i].text, c.keys[i]) << i;
    }
    index.release();
    EXPECT_EQ(index.count(), 0u);
  }
}

}  // namespace
}  // namespace lexi
