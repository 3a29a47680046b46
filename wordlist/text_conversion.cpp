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

}  // namespace

const ByteCharset& latin1Charset() {
  return kLatin1;
}

ListCodec::ListCodec(TextEncoding encoding, const ByteCharset& charset)
    : encoding_(encoding), charset_(charset), byCode_{} {
  for (std::size_t b = 0; b < charset_.size(); ++b) {
    if (charset_[b] > 0xFFFF) charset_[b] = kNoCharacter;
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

void ListCodec::append(char32_t code, ListBytes& out) const {
  if (!holds(code)) {
    out.bytes += kCtrlZ;
    if (!out.firstRefused) out.firstRefused = code;
  } else if (encoding_ == TextEncoding::kUtf8) {
    char bytes[4];
    out.bytes.append(bytes, encodeUtf8(code, bytes));
  } else {
    out.bytes += static_cast<char>(byteOf(code));
  }
}

ListBytes ListCodec::toList(std::u32string_view codes) const {
  ListBytes out;
  out.bytes.reserve(codes.size());
  for (const char32_t c : codes) append(c, out);
  return out;
}

ListBytes ListCodec::toList(std::u16string_view units) const {
  ListBytes out;
  out.bytes.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      append(0x10000 + ((unit - 0xD800) << 10) + (char32_t{units[++i]} - 0xDC00), out);
    } else {
      append(unit, out);
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

std::size_t ListCodec::toUtf16(std::string_view bytes, char16_t* out) const {
  char16_t* const start = out;
  for (std::size_t at = 0; at < bytes.size();) {
    char32_t code;
    if (encoding_ == TextEncoding::kSingleByte) {
      code = charset_[static_cast<unsigned char>(bytes[at++])];
      if (code == kNoCharacter) code = kReplacement;
    } else {
      const DecodedChar decoded = decodeChar(bytes, at, encoding_);
      code = decoded.size == 1 && decoded.code >= 0x80 ? kReplacement : decoded.code;
      at += decoded.size;
    }
    if (code < 0x10000) {
      *out++ = static_cast<char16_t>(code);
    } else {
      *out++ = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      *out++ = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return static_cast<std::size_t>(out - start);
}

std::u16string ListCodec::toUtf16(std::string_view bytes) const {
  std::u16string units(bytes.size(), u'\0');
  units.resize(toUtf16(bytes, units.data()));
  return units;
}

}  // namespace lexi
