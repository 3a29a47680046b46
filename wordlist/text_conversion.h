// ListCodec: the one rule for how characters become a word list's bytes and back.
//
// Every front end meets the list here: the desktop dialogs and the web page
// with the UTF-16 of their toolkit, handed over as it is; the query tool with
// the UTF-8 of its terminal, as code points (decodeChar). Lines come back the
// other way, as UTF-16 written where the caller says, so that a painted row
// costs no allocation.
//
// A list cannot hold NUL (the engine's strings end there), a surrogate code
// point (half of a UTF-16 pair, never a character of its own), anything above
// U+10FFFF, nor, in a single-byte list, a character its set has no byte for.
// Each such character becomes one 0x1A byte (kCtrlZ), the substitute character: no line
// holds it, so a search for it finds nothing, and a query never silently turns
// into a pattern as it would with '?'. The first one is named to the caller, so
// that it may refuse the query instead.
//
// The single-byte set is a table of the code point of each byte: Latin-1 (each
// byte its own code point) on Linux, the ANSI code page on Windows, filled by
// the front end. The reverse is exact: a character that no byte stands for is
// not held, never replaced by a look-alike.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "wordlist/text_encoding.h"

namespace lexi {

// The code point of each byte of a single-byte set; kNoCharacter for a byte the
// set leaves undefined.
inline constexpr char32_t kNoCharacter = 0xFFFFFFFF;
using ByteCharset = std::array<char32_t, 256>;

// Latin-1: every byte is the code point of its value.
const ByteCharset& latin1Charset();

// The list's bytes for some text, and the first character they could not hold.
struct ListBytes {
  std::string bytes;
  std::optional<char32_t> firstRefused;
};

class ListCodec {
 public:
  // `charset` is read for a single-byte list only; it is copied. Its characters
  // lie below U+10000, as every code page's do; one above counts as undefined.
  explicit ListCodec(TextEncoding encoding, const ByteCharset& charset = latin1Charset());

  TextEncoding encoding() const { return encoding_; }

  // Whether the list can hold the character `code`.
  bool holds(char32_t code) const;

  // The bytes that stand for `codes` in the list, a 0x1A for each character not
  // held. It allocates the bytes only.
  ListBytes toList(std::u32string_view codes) const;
  // The same for UTF-16: a high surrogate followed by a low one is one
  // character, a lone surrogate is refused.
  ListBytes toList(std::u16string_view units) const;

  // The characters of the list's `bytes`: in a UTF-8 list a byte that starts no
  // well-formed sequence, and in a single-byte list an undefined byte, become
  // U+FFFD.
  std::u32string fromList(std::string_view bytes) const;

  // The same characters as UTF-16, written to `out`, which must hold
  // bytes.size() units (no character takes more units than bytes); returns the
  // units written. It allocates nothing.
  std::size_t toUtf16(std::string_view bytes, char16_t* out) const;
  std::u16string toUtf16(std::string_view bytes) const;

 private:
  // The byte for `code` in the single-byte set, or -1 when no byte stands for it.
  int byteOf(char32_t code) const;
  // Appends the bytes for `code`, or kCtrlZ when the list cannot hold it.
  void append(char32_t code, ListBytes& out) const;

  TextEncoding encoding_;
  ByteCharset charset_;
  // The defined bytes of the set by code point, for the reverse look-up.
  std::array<std::pair<char32_t, unsigned char>, 256> byCode_;
  std::size_t definedCount_ = 0;
};

}  // namespace lexi
