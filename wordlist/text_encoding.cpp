#include "wordlist/text_encoding.h"

#include <cstdint>
#include <cstring>

namespace lexi {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The length of the well-formed sequence that starts at `p`, of which at most
// `available` bytes may be read, or 0.
std::size_t sequenceLength(const unsigned char* p, std::size_t available) {
  const unsigned char lead = p[0];
  std::size_t length = 0;
  unsigned char low = 0x80;   // the range of the second byte, narrowed where
  unsigned char high = 0xBF;  // overlong forms, surrogates and > U+10FFFF hide
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (available < length || p[1] < low || p[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Whether `text` is plain ASCII, as most lines of a word list are: its bytes are
// folded together eight at a time, the last eight overlapping the ones before.
bool isAscii(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::uint64_t folded = 0;
  if (size >= 8) {
    std::uint64_t block;
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
      std::memcpy(&block, p + i, sizeof block);
      folded |= block;
    }
    std::memcpy(&block, p + size - 8, sizeof block);
    folded |= block;
  } else {
    for (std::size_t i = 0; i < size; ++i) folded |= p[i];
  }
  return (folded & kHighBits) == 0;
}

// Checks one text and notes whether it holds any byte above 0x7F.
bool checkText(std::string_view text, bool& sawHighByte) {
  if (isAscii(text)) return true;
  sawHighByte = true;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    const std::size_t length = sequenceLength(p, static_cast<std::size_t>(end - p));
    if (length == 0) return false;
    p += length;
  }
  return true;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  bool sawHighByte = false;
  return checkText(text, sawHighByte);
}

DecodedChar decodeChar(std::string_view text, std::size_t at, TextEncoding encoding) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + at;
  if (encoding == TextEncoding::kSingleByte || *p < 0x80) return {*p, 1};
  const std::size_t length = sequenceLength(p, text.size() - at);
  if (length == 0) return {*p, 1};
  // The lead byte keeps 7 - length bits, each further byte 6.
  char32_t code = *p & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (p[i] & 0x3Fu);
  return {code, length};
}

std::size_t utf8CharSize(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  if (*p < 0x80) return 1;
  // The sequence is read byte by byte and ends at the first that does not
  // continue it, as a NUL does not: the four bytes it may span are never all read.
  const std::size_t length = sequenceLength(p, 4);
  return length == 0 ? 1 : length;
}

std::size_t countChars(std::string_view text, TextEncoding encoding) {
  if (encoding == TextEncoding::kSingleByte) return text.size();
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += decodeChar(text, at, encoding).size) ++count;
  return count;
}

std::size_t encodeUtf8(char32_t code, char* out) {
  if (code < 0x80) {
    out[0] = static_cast<char>(code);
    return 1;
  }
  if (code < 0x800) {
    out[0] = static_cast<char>(0xC0 | (code >> 6));
    out[1] = static_cast<char>(0x80 | (code & 0x3F));
    return 2;
  }
  if (code < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (code >> 12));
    out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (code & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (code >> 18));
  out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (code & 0x3F));
  return 4;
}

void foldAZ(char16_t* units, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    units[i] = static_cast<char16_t>(foldAZ(char32_t{units[i]}));
}

bool equalFoldingAZ(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldAZ(a[i]) != foldAZ(b[i])) return false;
  }
  return true;
}

TextEncoding detectEncoding(const WordList& list) {
  const std::uint32_t count = list.count();
  if (count == 0) return TextEncoding::kSingleByte;
  // Most lists are plain ASCII, and their lines lie in one block: when the
  // block from the first line to the end of the last holds no byte above 0x7F,
  // no line does, and each line need not be measured.
  const char* const first = list.entries()[0].text;
  const char* const last = list.entries()[count - 1].text;
  if (isAscii({first, static_cast<std::size_t>(last - first) + std::strlen(last)})) {
    return TextEncoding::kSingleByte;
  }
  EncodingWatch watch;
  for (std::uint32_t i = 0; i < count && !watch.settled(); ++i) watch.see(list.entries()[i].text);
  return watch.encoding();
}

bool looksLikeText(std::string_view head) {
  std::size_t controls = 0;
  for (const char c : head) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0) return false;
    // Ctrl-Z may end a file written in text mode.
    if (byte < 0x20 && !std::strchr("\t\n\v\f\r\x1a", c)) ++controls;
  }
  // Text may hold a stray escape or bell; binary data holds one in a few bytes.
  return controls <= 1 + head.size() / 32;
}

bool EncodingWatch::see(std::string_view line) {
  if (isAscii(line)) return true;
  if (valid_) valid_ = checkText(line, sawHighByte_);
  return false;
}

}  // namespace lexi
