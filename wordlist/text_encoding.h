// TextEncoding: how the bytes of a word list's lines are read as characters.
//
// The engine matches and keys bytes and never needs to know. The front ends do:
// they show the lines in the list's encoding and turn a typed query into it.
// A list is UTF-8 when all its lines are valid UTF-8 and at least one holds a
// byte above 0x7F; any other list is single-byte text, one byte a character
// (Latin-1 on Linux, the ANSI code page on Windows). Plain ASCII is both.
#pragma once

#include <cstddef>
#include <string_view>

#include "wordlist/word_list.h"

namespace lexi {

enum class TextEncoding { kSingleByte, kUtf8 };

// Ctrl-Z, 0x1A: in text mode it ends a file; no line can hold it, so it also
// stands for a character that a list cannot hold (text_conversion.h).
inline constexpr char kCtrlZ = '\x1a';

// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes,
// no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// One character of a text: its code point and the bytes it takes (at least 1).
struct DecodedChar {
  char32_t code;
  std::size_t size;
};

// The character that starts at `text[at]` (`at` below text.size()). In a
// single-byte text every byte is a character, its code the byte (Latin-1). In
// a UTF-8 text a byte that starts no well-formed sequence stands for itself.
DecodedChar decodeChar(std::string_view text, std::size_t at, TextEncoding encoding);

// Writes the UTF-8 of `code` (at most U+10FFFF, not a surrogate) to `out`, which
// holds 4 bytes, and returns how many it wrote: the program's one encoder.
std::size_t encodeUtf8(char32_t code, char* out);

// The bytes of the UTF-8 character at `text`, a NUL-terminated text, as
// decodeChar steps: a well-formed sequence's length, else 1. It reads no byte
// past the NUL, so a line needs no length to be stepped through.
std::size_t utf8CharSize(const char* text);

// The number of characters in `text`, as decodeChar steps through it.
std::size_t countChars(std::string_view text, TextEncoding encoding);

// The program's one case rule: A-Z equal a-z and no other character is folded,
// in any encoding, so that no comparison depends on a locale or a code page.
constexpr char32_t foldAZ(char32_t c) {
  return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}
constexpr char foldAZ(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Folds A-Z in typed UTF-16 text, in place, as the field shows it: every front
// end folds what is typed so, and nothing else (an accented capital stays, for
// a pattern to find words written with it).
void foldAZ(char16_t* units, std::size_t count);

// Whether `a` and `b` are equal under foldAZ, byte by byte.
bool equalFoldingAZ(std::string_view a, std::string_view b);

// How much of a file's start looksLikeText needs to see.
inline constexpr std::size_t kTextSniffSize = 4096;

// Whether `head`, the start of a file, reads as text that a word list could
// be: no NUL byte, and few control characters other than tab, line and page
// ends. A program, an image or an archive fails within its first block; a
// list in any single-byte set or UTF-8 passes. It costs one pass over `head`.
bool looksLikeText(std::string_view head);

// Decides the encoding of a loaded list; it reads every line once.
TextEncoding detectEncoding(const WordList& list);

// The same decision made a line at a time, for a caller that reads the list as
// a stream: after every line of a list, encoding() is what detectEncoding would
// say of the lines so far.
class EncodingWatch {
 public:
  // Looks at one more line. Returns whether it is plain ASCII, which reads the
  // same in either encoding.
  bool see(std::string_view line);

  // Whether no later line can change the answer: a line was not valid UTF-8.
  bool settled() const { return !valid_; }

  TextEncoding encoding() const {
    return valid_ && sawHighByte_ ? TextEncoding::kUtf8 : TextEncoding::kSingleByte;
  }

 private:
  bool valid_ = true;
  bool sawHighByte_ = false;
};

}  // namespace lexi
