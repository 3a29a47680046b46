#include "wordlist/text_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lexi {
namespace {

constexpr auto kLatin1 = TextEncoding::kSingleByte;
constexpr auto kUtf8 = TextEncoding::kUtf8;

// A character of each class in each encoding, against the plain facts: a
// character held comes back from the list's bytes as itself, one byte of its own
// value in a Latin-1 list, valid UTF-8 in the other; one not held is one 0x1A
// and is named, the first of a text only. The controls' UTF-16 is the character
// as one unit or as its pair; a lone surrogate stays itself, to be refused, and
// takes no neighbour for its other half.
TEST(ListCodec, HoldsEachCharacterItCanAndRefusesTheRest) {
  const struct {
    char32_t code;
    bool inLatin1;
    bool inUtf8;
    std::u16string utf16;  // empty when UTF-16 has no way to say it
  } cases[] = {
      {U'a', true, true, u"a"},
      {0x7F, true, true, u"\x7f"},
      {0x80, true, true, u"\x80"},  // Latin-1's upper half
      {0xE9, true, true, u"\xe9"},
      {0xFF, true, true, u"\xff"},
      {0x100, false, true, u"\x100"},  // the rest of the Basic Plane
      {0x20AC, false, true, u"\x20ac"},
      {0xFFFF, false, true, u"\xffff"},
      {0x10000, false, true, {0xD800, 0xDC00}},  // beyond it, as a pair
      {0x1F41F, false, true, {0xD83D, 0xDC1F}},
      {0x10FFFF, false, true, {0xDBFF, 0xDFFF}},
      {0xD800, false, false, {0xD800}},  // lone surrogates
      {0xDBFF, false, false, {0xDBFF}},
      {0xDC00, false, false, {0xDC00}},
      {0xDFFF, false, false, {0xDFFF}},
      {0, false, false, {0}},  // NUL ends the engine's strings
      {0x110000, false, false, u""},
      {0xFFFFFFFE, false, false, u""},
  };
  for (const auto& c : cases) {
    const auto code = static_cast<unsigned long>(c.code);
    if (!c.utf16.empty()) {
      EXPECT_EQ(codePointsOfUtf16(u"x" + c.utf16 + u"y"), (std::u32string{U'x', c.code, U'y'}))
          << std::hex << code;
      if (c.inUtf8) {
        EXPECT_EQ(utf16OfCodePoints({&c.code, 1}), c.utf16) << std::hex << code;
      }
    }
    for (const TextEncoding encoding : {kLatin1, kUtf8}) {
      const ListCodec codec(encoding);
      const bool held = encoding == kUtf8 ? c.inUtf8 : c.inLatin1;
      const auto where = ::testing::Message()
                         << std::hex << code << " in " << (encoding == kUtf8 ? "UTF-8" : "Latin-1");
      EXPECT_EQ(codec.holds(c.code), held) << where;
      // Between two characters held, before a NUL, which is never held.
      const char32_t text[] = {U'x', c.code, U'y', 0};
      const ListBytes bytes = codec.toList({text, 4});
      EXPECT_EQ(bytes.firstRefused, std::optional<char32_t>(held ? 0 : c.code)) << where;
      const std::string own = bytes.bytes.substr(1, bytes.bytes.size() - 3);
      EXPECT_EQ(bytes.bytes, "x" + own + "y\x1a") << where;
      if (!held) {
        EXPECT_EQ(own, "\x1a") << where;
      } else if (encoding == kLatin1) {
        EXPECT_EQ(own, std::string(1, static_cast<char>(c.code))) << where;
      } else {
        const DecodedChar decoded = decodeChar(own, 0, kUtf8);
        EXPECT_TRUE(isValidUtf8(own) && decoded.code == c.code && decoded.size == own.size())
            << where;
      }
      if (held) {
        EXPECT_EQ(codec.fromList(own), std::u32string(1, c.code)) << where;
      }
    }
  }
}

// A single-byte set that is not Latin-1, as a Windows code page is: each
// character goes to the one byte that stands for it, or to nothing, never to a
// look-alike; a byte the set leaves undefined, and in a UTF-8 list a byte that
// starts no character, come back as U+FFFD.
TEST(ListCodec, MapsASingleByteSetBothWaysExactly) {
  ByteCharset euroSet = latin1Charset();
  euroSet[0x80] = 0x20AC;  // the euro sign, as in code page 1252
  euroSet[0x81] = kNoCharacter;
  euroSet[0xC0] = 0x152;  // a character above 0xFF on a byte below
  const struct {
    TextEncoding encoding;
    std::u32string typed;
    std::string bytes;
    std::optional<char32_t> refused;
    std::u32string shown;
  } cases[] = {
      {kLatin1, U"\x20ac\x152\xe9", "\x80\xc0\xe9", {}, U"\x20ac\x152\xe9"},
      {kLatin1, U"a\x80", "a\x1a", 0x80, U"a\x1a"},  // no byte for U+0080 now
      {kLatin1, U"\xc0\x81", "\x1a\x1a", 0xC0, U"\x1a\x1a"},
      {kLatin1, U"", "\x81\x80", {}, U"\xfffd\x20ac"},
      {kUtf8, U"\xe9", "\xc3\xa9", {}, U"\xe9"},
      {kUtf8, U"", "\xff\xc3", {}, U"\xfffd\xfffd"},
  };
  for (const auto& c : cases) {
    const ListCodec codec(c.encoding, euroSet);
    if (!c.typed.empty()) {
      const ListBytes bytes = codec.toList(c.typed);
      EXPECT_EQ(bytes.bytes, c.bytes);
      EXPECT_EQ(bytes.firstRefused, c.refused);
    }
    EXPECT_EQ(codec.fromList(c.bytes), c.shown) << c.bytes;
  }
}

}  // namespace
}  // namespace lexi
