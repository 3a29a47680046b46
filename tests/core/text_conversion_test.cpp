#include "wordlist/text_conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lexi {
namespace {

constexpr auto kLatin1 = TextEncoding::kSingleByte;
constexpr auto kUtf8 = TextEncoding::kUtf8;

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

// The textbook UTF-8 and UTF-16 of a character, written apart from the product's.
std::string textbookUtf8(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  const std::size_t size = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  std::string bytes(size, '\0');
  for (std::size_t i = size - 1; i > 0; --i, c >>= 6)
    bytes[i] = static_cast<char>(0x80 | (c & 0x3F));
  bytes[0] = static_cast<char>((0xF00 >> size) | c);
  return bytes;
}
std::u16string textbookUtf16(char32_t c) {
  if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
  return {static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
          static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

// Characters against the textbook: every one below U+0800, and above it the
// first and last of every run of 64 (those whose last byte is 0x80 or 0xBF).
// Between two letters and before a NUL, a character is held by a UTF-8 list
// as its textbook bytes, read back as itself, one character of their length,
// and by a Latin-1 list when below U+0100, as that byte; what a list cannot
// hold (NUL, a surrogate, anything above U+10FFFF, in Latin-1 anything above
// U+00FF) is one 0x1A and named, the first of the text only. UTF-16 takes a
// character as its unit or its pair, and refuses a lone surrogate, with no
// neighbour for its other half. Then every lead byte with every second byte
// and continuation bytes: they make one valid character exactly when the
// textbook writes one so, and are read as it, or else as the lead byte alone.
TEST(ListCodec, AgreesWithTheTextbookOnCharactersAndBytes) {
  const ListCodec utf8(kUtf8), latin1(kLatin1);
  std::size_t sizeOf[256][256] = {};  // by its first two bytes, a character's size
  for (char32_t c = 0; c <= 0x110000; c += c < 0x800 || (c & 0x3F) == 0x3F ? 1 : 0x3F) {
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    const bool held = c != 0 && !surrogate && c <= 0x10FFFF;
    const std::string bytes = held ? textbookUtf8(c) : "\x1a";
    const bool inOneByte = c != 0 && c < 0x100;
    const std::string byte(1, inOneByte ? static_cast<char>(c) : '\x1a');
    const char32_t text[] = {U'x', c, U'y', 0};
    const ListBytes inUtf8 = utf8.toList({text, 4});
    const ListBytes inLatin1 = latin1.toList({text, 4});
    const std::u16string units = c > 0x10FFFF ? u"\xfffd"
                                 : surrogate  ? std::u16string(1, static_cast<char16_t>(c))
                                              : textbookUtf16(c);
    const std::u32string one(1, c);
    ASSERT_TRUE(inUtf8.bytes == "x" + bytes + "y\x1a" && inUtf8.firstRefused == (held ? 0 : c) &&
                inLatin1.bytes == "x" + byte + "y\x1a" &&
                inLatin1.firstRefused == (inOneByte ? 0 : c) &&
                (!held || utf8.toUtf16(bytes) == units) &&
                (c > 0x10FFFF || utf8.toList(u"x" + units + u"y").bytes == "x" + bytes + "y"))
        << std::hex << static_cast<unsigned long>(c);
    if (!held) continue;
    const DecodedChar read = decodeChar(bytes, 0, kUtf8);
    ASSERT_TRUE(utf8.fromList(bytes) == one && isValidUtf8(bytes) && read.code == c &&
                read.size == bytes.size() && countChars(bytes, kUtf8) == 1 &&
                (!inOneByte || (latin1.fromList(byte) == one &&
                                decodeChar("x" + byte, 1, TextEncoding::kSingleByte).code == c)))
        << std::hex << static_cast<unsigned long>(c);
    if (bytes.size() > 1) sizeOf[bytes[0] & 0xFF][bytes[1] & 0xFF] = bytes.size();
  }
  for (int lead = 0x80; lead < 0x100; ++lead) {
    for (int second = 0; second < 0x100; ++second) {
      for (std::size_t size = 2; size <= 4; ++size) {
        std::string text(size, '\x80');
        text[0] = static_cast<char>(lead);
        text[1] = static_cast<char>(second);
        const std::size_t whole = sizeOf[lead][second] <= size ? sizeOf[lead][second] : 0;
        const std::size_t step = whole == 0 ? 1 : whole;
        const DecodedChar read = decodeChar(text, 0, kUtf8);
        ASSERT_TRUE(isValidUtf8(text) == (whole == size) && read.size == step &&
                    (whole != 0 || read.code == static_cast<char32_t>(lead)) &&
                    utf8CharSize(text.c_str()) == step &&
                    (whole != 0 || utf8.fromList(text.substr(0, 1)) == U"\xfffd"))
            << std::hex << lead << " " << second << " of " << size;
      }
    }
  }
}

}  // namespace
}  // namespace lexi
