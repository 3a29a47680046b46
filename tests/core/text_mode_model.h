// The lines a word list of these bytes holds, by the text-mode rules written as
// plainly as possible: the first 0x1A ends the bytes, LF ends a line and takes one
// CR before it along, a final LF adds no line, and a NUL ends a line's text
// without ending the line. The loader must agree with it on any bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexi::testing_only {

inline std::vector<std::string> modelLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1a'));
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    bytes = lf == std::string_view::npos ? std::string_view() : bytes.substr(lf + 1);
    if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line.substr(0, line.find('\0')));
  }
  return lines;
}

}  // namespace lexi::testing_only
