#include "match/word_sounds.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace lexi {
namespace {

std::string heard(const char* word) {
  return std::string(soundsOf(spellingOf(word, TextEncoding::kSingleByte)).view());
}

// Each row is a rule of the letters' sounds, written out by hand: breaking the
// rule changes the row's sounds.
TEST(WordSounds, ReadsEachSpellingOfASound) {
  const struct {
    const char* word;
    const char* sounds;
  } cases[] = {
      {"night", "nIt"},
      {"knight", "nIt"},
      {"nite", "nIt"},
      {"fizzix", "fiziks"},
      {"physics", "fiziks"},
      {"psychology", "sikoloJE"},
      {"school", "skUl"},
      {"chrome", "krOm"},
      {"church", "CRC"},
      {"ship", "Sip"},
      {"judge", "JuJ"},
      {"gnome", "nOm"},
      {"sign", "sin"},
      {"lamb", "lam"},
      {"write", "rIt"},
      {"whale", "wAl"},
      {"queen", "kwEn"},
      {"box", "boks"},
      {"xylophone", "zilofOn"},
      {"yes", "yes"},
      {"happy", "hapE"},
      {"my", "mI"},
      {"gym", "Jim"},
      {"hopes", "hOps"},
      {"loved", "lOvd"},
      {"wanted", "wanted"},
      {"rose", "rOz"},
      {"nation", "naSon"},
      {"vision", "viZon"},
      {"special", "speSal"},
      {"laugh", "lQH"},
      {"sing", "siN"},
      {"think", "TiNk"},
      {"bird", "bRd"},
      {"her", "hR"},
      {"talk", "tQk"},
      {"ball", "bQl"},
      {"boat", "bOt"},
      {"toe", "tO"},
      {"go", "gO"},
      {"boy", "bY"},
      {"moon", "mUn"},
      {"cow", "kW"},
      {"saw", "sQ"},
      {"rain", "rAn"},
      {"key", "kE"},
      {"vein", "vAn"},
      {"ceiling", "sEliN"},
      {"eight", "At"},
      {"field", "fEld"},
      {"pie", "pI"},
      {"new", "nU"},
      {"true", "trU"},
      {"cute", "kUt"},
      {"ace", "As"},
      {"be", "bE"},
      {"c\xE9-d\xE9", "sEd"},
      {"HOPE'S", "hOps"},
      {"edge", "eJ"},
      {"123", ""},
      {"citys", "sitEs"},
      {"cities", "sitEs"},
      {"famous", "famus"},
      {"pinnacle", "pinakul"},
      {"ale", "Al"},
  };
  for (const auto& c : cases) EXPECT_EQ(heard(c.word), c.sounds) << c.word;
}

// What each difference costs: a row for each kind, so that a cost that moves
// moves a row.
TEST(WordSounds, WeighsCloseSoundsLightly) {
  const struct {
    const char* typed;
    const char* meant;
    int cost;
  } cases[] = {
      {"nIt", "nIt", 0}, {"nit", "nIt", 2},                     // a vowel for one spelled alike
      {"nit", "nat", 4},                                        // a vowel for another
      {"sit", "zit", 4}, {"sit", "mit", 10},                    // a consonant alike, or not
      {"nIt", "nt", 7},  {"hit", "it", 5},   {"nIt", "nI", 8},  // heard or missed
      {"tes", "tse", 6},                                        // swapped
      {"", "", 0},       {"", "ab", 15},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(soundDistance(c.typed, c.meant, 100), c.cost) << c.typed << " " << c.meant;
    EXPECT_EQ(soundDistance(c.meant, c.typed, 100), c.cost) << c.meant << " " << c.typed;
  }
}

// Both distances may stop as soon as they are sure to exceed their bound, but
// never give a cost within the bound that the full table would not, though a
// swap or an alike spelling passes over rows of the table.
TEST(Distances, StopOnlyBeyondTheBound) {
  const auto slip = [](const std::string& a, const std::string& b, int bound) {
    return slipDistance(spellingOf(a, TextEncoding::kSingleByte),
                        spellingOf(b, TextEncoding::kSingleByte), bound);
  };
  const auto heard = [](const std::string& a, const std::string& b, int bound) {
    return soundDistance(a, b, bound);
  };
  const struct {
    std::function<int(const std::string&, const std::string&, int)> distance;
    std::string alphabet;
  } kinds[] = {{heard, "aeiAERksztdTSfHm"}, {heard, "lEwY"}, {slip, "tch"}};
  std::mt19937 random(20261208);
  for (const auto& kind : kinds) {
    for (int round = 0; round < 2000; ++round) {
      std::string a(random() % 12, ' ');
      std::string b(random() % 12, ' ');
      for (char& c : a) c = kind.alphabet[random() % kind.alphabet.size()];
      for (char& c : b) c = kind.alphabet[random() % kind.alphabet.size()];
      const int exact = kind.distance(a, b, 1000);
      for (int bound = 0; bound < 60; ++bound) {
        const int bounded = kind.distance(a, b, bound);
        if (exact <= bound) {
          ASSERT_EQ(bounded, exact) << a << " " << b << " " << bound;
        } else {
          ASSERT_GT(bounded, bound) << a << " " << b << " " << bound;
        }
      }
    }
  }
}

}  // namespace
}  // namespace lexi
