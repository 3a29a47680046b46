#include "wordlist/text_conversion.h"

#include <algorithm>

namespace lexi {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

constexpr ByteCharset kLatin1 = [] {
  ByteCharset set{};
  for (char32_t b = 0; b < 256; ++b) set[b] = b;
  return set;
}();

bool isSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// What no list can hold, whatever its encoding.
bool isHoldable(char32_t c) {
  return c != 0 && !isSurrogate(c) && c <= 0x10FFFF;
}

void appendUtf8(char32_t c, std::string& bytes) {
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (c >> 18));
    bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

const ByteCharset& latin1Charset() {
  return kLatin1;
}

std::u32string codePointsOfUtf16(std::u16string_view units) {
  std::u32string codes;
  codes.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      codes += static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) +
                                     (char32_t{units[++i]} - 0xDC00));
    } else {
      codes += unit;
    }
  }
  return codes;
}

std::u16string utf16OfCodePoints(std::u32string_view codes) {
  std::u16string units;
  units.reserve(codes.size());
  for (char32_t c : codes) {
    if (isSurrogate(c) || c > 0x10FFFF) c = kReplacement;
    if (c < 0x10000) {
      units += static_cast<char16_t>(c);
    } else {
      units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return units;
}

ListCodec::ListCodec(TextEncoding encoding, const ByteCharset& charset)
    : encoding_(encoding), charset_(charset), byCode_{} {
  for (std::size_t b = 0; b < charset_.size(); ++b) {
    if (charset_[b] != kNoCharacter) {
      byCode_[definedCount_++] = {charset_[b], static_cast<unsigned char>(b)};
    }
  }
  std::sort(byCode_.begin(), byCode_.begin() + static_cast<std::ptrdiff_t>(definedCount_));
}

int ListCodec::byteOf(char32_t code) const {
  if (code < 256 && charset_[code] == code) return static_cast<int>(code);
  const auto end = byCode_.begin() + static_cast<std::ptrdiff_t>(definedCount_);
  const auto found =
      std::lower_bound(byCode_.begin(), end, std::pair<char32_t, unsigned char>{code, 0});
  return found != end && found->first == code ? found->second : -1;
}

bool ListCodec::holds(char32_t code) const {
  return isHoldable(code) && (encoding_ == TextEncoding::kUtf8 || byteOf(code) >= 0);
}

ListBytes ListCodec::toList(std::u32string_view codes) const {
  ListBytes out;
  out.bytes.reserve(codes.size());
  for (const char32_t c : codes) {
    if (!holds(c)) {
      out.bytes += kSubstitute;
      if (!out.firstRefused) out.firstRefused = c;
    } else if (encoding_ == TextEncoding::kUtf8) {
      appendUtf8(c, out.bytes);
    } else {
      out.bytes += static_cast<char>(byteOf(c));
    }
  }
  return out;
}

std::u32string ListCodec::fromList(std::string_view bytes) const {
  std::u32string codes;
  codes.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    if (encoding_ == TextEncoding::kSingleByte) {
      const char32_t code = charset_[static_cast<unsigned char>(bytes[at++])];
      codes += code == kNoCharacter ? kReplacement : code;
      continue;
    }
    const DecodedChar decoded = decodeChar(bytes, at, encoding_);
    const bool stray = decoded.size == 1 && decoded.code >= 0x80;
    codes += stray ? kReplacement : decoded.code;
    at += decoded.size;
  }
  return codes;
}

}  // namespace lexi
