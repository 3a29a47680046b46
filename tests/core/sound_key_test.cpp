#include "match/sound_key.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/test_support.h"

namespace lexi {
namespace {

TEST(SoundKey, GivesTheKeysOfTheTable) {
  const auto rows = testing_only::readTable("core/sound_keys.txt");
  EXPECT_GT(rows.size(), 100u);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 2u) << row[0];
    // Equal keys must have equal bytes: the key is padded with NULs.
    std::string key = row[1];
    key.resize(sizeof(SoundKey::text), '\0');
    const SoundKey got = soundKey(row[0]);
    EXPECT_EQ(std::string(got.text, sizeof got.text), key) << '"' << row[0] << '"';
    // The forms for C strings agree, the first character alone too.
    EXPECT_EQ(std::string(soundKey(row[0].c_str()).text, 8), key) << '"' << row[0] << '"';
    EXPECT_EQ(soundKeyFirst(row[0].c_str()), key[0]) << '"' << row[0] << '"';
  }
}

}  // namespace
}  // namespace lexi
