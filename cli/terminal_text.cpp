#include "cli/terminal_text.h"

#include <clocale>
#include <cstring>
#ifndef _WIN32
#include <langinfo.h>
#endif

namespace lexi {

bool terminalIsUtf8() {
#ifdef _WIN32
  // A Windows console speaks its own code page; the tool passes bytes there.
  return false;
#else
  if (std::setlocale(LC_CTYPE, "") == nullptr) return false;
  const char* codeset = nl_langinfo(CODESET);
  return std::strcmp(codeset, "UTF-8") == 0;
#endif
}

std::string convertQuery(std::string_view query, TextEncoding encoding, std::string& converted) {
  if (encoding == TextEncoding::kUtf8) {
    converted.assign(query);
    return {};
  }
  converted.clear();
  for (std::size_t i = 0; i < query.size(); ++i) {
    const auto lead = static_cast<unsigned char>(query[i]);
    if (lead < 0x80) {
      converted += static_cast<char>(lead);
    } else if (lead == 0xC2 || lead == 0xC3) {
      // U+0080 to U+00FF: the whole of Latin-1's upper half.
      const auto next = static_cast<unsigned char>(query[++i]);
      converted += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
    } else {
      const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
      return "the word list is Latin-1, which cannot hold the character '" +
             std::string(query.substr(i, length)) + "' of the QUERY";
    }
  }
  return {};
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
