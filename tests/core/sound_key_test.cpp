#include "match/sound_key.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace lexi {
namespace {

// A word of the table with its escapes replaced by the bytes they stand for.
std::string unescape(const std::string& word) {
  std::string bytes;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word.compare(i, 2, "\\t") == 0) {
      bytes += '\t';
      ++i;
    } else if (word.compare(i, 2, "\\x") == 0) {
      bytes += static_cast<char>(std::stoi(word.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      bytes += word[i];
    }
  }
  return bytes;
}

TEST(SoundKey, GivesTheKeysOfTheTable) {
  std::ifstream table(LEXI_TESTS_DIR "/core/sound_keys.txt", std::ios::binary);
  ASSERT_TRUE(table) << "cannot read sound_keys.txt";
  int rows = 0;
  for (std::string line; std::getline(table, line);) {
    std::istringstream fields(line);
    std::string word;
    std::string key;
    if (!(fields >> word) || word[0] == '#') continue;
    ASSERT_TRUE(fields >> key) << line;
    if (key == "-") key.clear();
    // Equal keys must have equal bytes: the key is padded with NULs.
    key.resize(sizeof(SoundKey::text), '\0');
    const SoundKey got = soundKey(unescape(word));
    EXPECT_EQ(std::string(got.text, sizeof got.text), key) << line;
    ++rows;
  }
  EXPECT_GT(rows, 100);
}

}  // namespace
}  // namespace lexi
