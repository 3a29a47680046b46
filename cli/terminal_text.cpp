#include "cli/terminal_text.h"

#include <cstring>
#include <utility>
#ifndef _WIN32
#include <langinfo.h>
#include <locale.h>
#endif

#include "wordlist/text_conversion.h"

namespace lexi {

bool terminalIsUtf8() {
#ifdef _WIN32
  // A Windows console speaks its own code page; the tool passes bytes there.
  return false;
#else
  // A locale object of its own: the program's locale stays "C", which the
  // engine never asks about characters anyway.
  const locale_t user = ::newlocale(LC_CTYPE_MASK, "", locale_t{});
  if (user == locale_t{}) return false;
  const bool utf8 = std::strcmp(::nl_langinfo_l(CODESET, user), "UTF-8") == 0;
  ::freelocale(user);
  return utf8;
#endif
}

std::string convertQuery(std::string_view query, TextEncoding encoding, std::string& converted) {
  std::u32string codes;
  for (std::size_t at = 0; at < query.size();) {
    const DecodedChar decoded = decodeChar(query, at, TextEncoding::kUtf8);
    codes += decoded.code;
    at += decoded.size;
  }
  ListBytes bytes = ListCodec(encoding).toList(codes);
  converted = std::move(bytes.bytes);
  if (!bytes.firstRefused) return {};
  const char32_t refused = *bytes.firstRefused;
  return "the word list is Latin-1, which cannot hold the character '" +
         ListCodec(TextEncoding::kUtf8).toList({&refused, 1}).bytes + "' of the QUERY";
}

void putLatin1AsUtf8(const char* text, std::FILE* out) {
  const char* run = text;  // the ASCII bytes not written yet
  for (const char* p = text;; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte != 0 && byte < 0x80) continue;
    std::fwrite(run, 1, static_cast<std::size_t>(p - run), out);
    if (byte == 0) return;
    const char pair[2] = {static_cast<char>(0xC0 | (byte >> 6)),
                          static_cast<char>(0x80 | (byte & 0x3F))};
    std::fwrite(pair, 1, sizeof pair, out);
    run = p + 1;
  }
}

}  // namespace lexi
