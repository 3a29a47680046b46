#include "match/sound_key.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace lexi {
namespace {

struct KeyCase {
  std::string word;
  const char* key;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << '"' << c.word << '"';
}

class SoundKeyTable : public testing::TestWithParam<KeyCase> {};

TEST_P(SoundKeyTable, GivesTheKey) {
  const std::string& word = GetParam().word;
  EXPECT_EQ(soundKey(word).view(), GetParam().key) << "word: " << word;
  // The forms for C strings agree, the first character too.
  EXPECT_EQ(soundKey(word.c_str()).view(), GetParam().key) << "word: " << word;
  EXPECT_EQ(soundKeyFirst(word.c_str()), GetParam().key[0]) << "word: " << word;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SoundKeyTable,
    testing::Values(
        // Words that sound alike meet.
        KeyCase{"phone", "fn"}, KeyCase{"fone", "fn"}, KeyCase{"knight", "nt"},
        KeyCase{"night", "nt"},
        // Case, punctuation, the first blank and what is not a letter.
        KeyCase{"Thompson", "0mpsn"}, KeyCase{"O'Neil", "anl"}, KeyCase{"ice cream", "as"},
        KeyCase{"ice\tcream", "askrm"}, KeyCase{" cat", ""}, KeyCase{"123", ""}, KeyCase{"", ""},
        KeyCase{"why", ""}, KeyCase{"a", "a"}, KeyCase{"I", "a"}, KeyCase{"lamb\xe9", "lm"},
        KeyCase{"pho-ne", "fn"},
        // The silent g after d, and gn / gned only at the end.
        KeyCase{"edge", "ajj"}, KeyCase{"ledger", "ljr"}, KeyCase{"pledged", "pljt"},
        KeyCase{"judge", "jjj"}, KeyCase{"sign", "sn"}, KeyCase{"signed", "snt"},
        KeyCase{"signal", "sknl"},
        // gh and initial gn.
        KeyCase{"gnome", "nm"}, KeyCase{"ghost", "kst"}, KeyCase{"high", "hk"},
        KeyCase{"thought", "0t"},
        // The ch rules.
        KeyCase{"christ", "krst"}, KeyCase{"chaos", "xs"}, KeyCase{"church", "xrx"},
        KeyCase{"school", "skl"}, KeyCase{"ch", "x"},
        // sci, cia, doubled c, tio, sio, tch.
        KeyCase{"science", "sns"}, KeyCase{"special", "spxl"}, KeyCase{"accept", "akspt"},
        KeyCase{"nation", "nxn"}, KeyCase{"vision", "fxn"}, KeyCase{"tchaikovsky", "xkfsk"},
        KeyCase{"tia", "t"},
        // b after m, doubled letters, k after c.
        KeyCase{"lamb", "lm"}, KeyCase{"lambs", "lmbs"}, KeyCase{"number", "nmbr"},
        KeyCase{"matthew", "mt"}, KeyCase{"quick", "kk"},
        // x, the length limit and the first letters.
        KeyCase{"xerox", "srks"}, KeyCase{"box", "bks"}, KeyCase{"transfix", "trnsfk"},
        KeyCase{"strengths", "strnk0"}, KeyCase{"xx", "sks"}, KeyCase{"wheel", "wl"},
        KeyCase{"whale", "wl"}, KeyCase{"aeon", "an"}, KeyCase{"wrap", "rp"},
        KeyCase{"pneumonia", "nmn"},
        // Only the first 54 bytes are read.
        KeyCase{std::string(53, 'a') + "bc", "ab"}, KeyCase{std::string(52, 'a') + "bc", "abk"}));

// Whatever the bytes, a key is at most six of the allowed symbols, "a" only first.
TEST(SoundKey, AnyInputGivesAWellFormedKey) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::uniform_int_distribution<int> length(0, 70);
  for (int round = 0; round < 20000; ++round) {
    std::string word;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
      word += static_cast<char>(round % 2 == 0 ? letter(random) : byte(random));
    }
    const SoundKey key = soundKey(word);
    const std::string text = key.text;
    ASSERT_LE(text.size(), 6u) << word;
    ASSERT_EQ(text.find_first_not_of("abfhjklmnprstwxy0"), std::string::npos) << word;
    ASSERT_EQ(text.find('a', 1), std::string::npos) << word;
    for (std::size_t i = text.size(); i < sizeof key.text; ++i) ASSERT_EQ(key.text[i], '\0');
    ASSERT_EQ(soundKey(word).view(), text) << "the same word gave another key";
  }
}

// Nothing after the first NUL or the 54th byte is read: a key never depends on it.
TEST(SoundKey, StopsAtNulAndAfterFiftyFourBytes) {
  EXPECT_EQ(soundKey(std::string_view("fone\0xyz", 8)).view(), "fn");
  const std::string prefix(54, 'b');
  EXPECT_EQ(soundKey(prefix + "kxz").view(), soundKey(prefix).view());
}

}  // namespace
}  // namespace lexi
