#include "cli/streamed_search.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cli/tool.h"
#include "match/search.h"
#include "wordlist/line_stream.h"

namespace lexi::find {

namespace {

// Tests the lines from `first` (a line already read, or nullptr) to the end of
// `stream` and writes those that match: the search once the encoding is known.
int searchRest(LineStream& stream, const char* first, const LineTest& test, LineOutput& output,
               Notifier& notifier) {
  const char* line = first;
  for (bool more = line != nullptr || stream.next(line); more; more = stream.next(line)) {
    const int result = test.test(line);
    if (result == kMatch) {
      output.appendLine(line);
    } else if (result == lexi::kTooManyStars) {
      notifier.warning(kTooManyStarsMessage);
      return finish(kStarsOverLimit, output.consoleFine());
    }
  }
  if (stream.failed()) return finish(kLoadFailed, output.consoleFine());
  return finishFound(output);
}

// How the list may turn out to be read: its encoding, the query turned into
// it, and whether a line has stopped its search with too many stars.
struct Reading {
  Reading(TextEncoding in, const char* typed, bool convert) : encoding(in) {
    if (convert) {
      problem = convertQuery(typed, in, query);
    } else {
      query = typed;
    }
    if (problem.empty()) test.emplace(query.c_str(), in);
  }
  Reading(const Reading&) = delete;
  Reading& operator=(const Reading&) = delete;

  bool searching() const { return test && !stopped; }

  TextEncoding encoding;
  std::string query;
  std::string problem;  // why the query cannot be written in this encoding
  std::optional<LineTest> test;
  bool stopped = false;
};

// The lines found under either reading, kept in one block: each line, its NUL,
// and a byte with a bit for each reading that found it.
class HeldLines {
 public:
  void hold(std::string_view line, unsigned readings) {
    lines_.append(line);
    lines_ += '\0';
    lines_ += static_cast<char>(readings);
  }
  bool empty() const { return lines_.empty(); }

  // Writes the lines that reading number `reading` found, and forgets them all.
  void writeFoundBy(unsigned reading, LineOutput& output) {
    for (std::size_t at = 0; at < lines_.size();) {
      const char* const line = lines_.c_str() + at;
      const std::size_t size = std::strlen(line);
      if ((static_cast<unsigned>(line[size + 1]) & (1u << reading)) != 0) output.appendLine(line);
      at += size + 2;
    }
    lines_.clear();
  }

 private:
  std::string lines_;
};

int searchEitherEncoding(LineStream& stream, const char* query, bool convert, LineOutput& output,
                         Notifier& notifier) {
  Reading readings[2] = {{TextEncoding::kSingleByte, query, convert},
                         {TextEncoding::kUtf8, query, convert}};
  Reading& single = readings[0];
  EncodingWatch watch;
  HeldLines held;
  const char* line = nullptr;
  while (stream.next(line)) {
    const std::string_view text = line;
    const bool ascii = watch.see(text);
    if (watch.settled()) break;
    // Both readings answer alike for a line of plain ASCII: a pattern's other
    // characters match none of its bytes, in either encoding, and a sound key
    // is made of ASCII letters alone. Written at once unless a line waits.
    if (ascii && held.empty() && single.searching() && readings[1].searching()) {
      const int result = single.test->test(line);
      if (result == kMatch) {
        output.appendLine(line);
      } else if (result == lexi::kTooManyStars) {
        notifier.warning(kTooManyStarsMessage);
        return finish(kStarsOverLimit, output.consoleFine());
      }
      continue;
    }
    unsigned foundBy = 0;
    for (unsigned r = 0; r < 2; ++r) {
      if (!readings[r].searching()) continue;
      const int result = readings[r].test->test(line);
      if (result == kMatch) foundBy |= 1u << r;
      readings[r].stopped = result == lexi::kTooManyStars;
    }
    if (foundBy != 0) held.hold(text, foundBy);
  }
  if (stream.failed()) return finish(kLoadFailed, output.consoleFine());

  const unsigned chosen = watch.encoding() == TextEncoding::kUtf8 ? 1 : 0;
  Reading& reading = readings[chosen];
  if (!reading.problem.empty()) return queryError(reading.problem);
  output.setEncoding(reading.encoding);
  held.writeFoundBy(chosen, output);
  if (reading.stopped) {
    notifier.warning(kTooManyStarsMessage);
    return finish(kStarsOverLimit, output.consoleFine());
  }
  // A line that is not UTF-8 settled it: that line and the rest read as single bytes.
  if (watch.settled()) return searchRest(stream, line, *single.test, output, notifier);
  return finishFound(output);
}

}  // namespace

int searchStreamed(const char* fileName, const char* query, const TextEdge& edge,
                   Notifier& notifier) {
  LineStream stream;
  if (!stream.open(fileName, notifier)) return kLoadFailed;
  LineOutput output(edge.linesAsText);
  // A query of bytes, matched by bytes, reads every list alike.
  if (!edge.queryAsText && !(isPattern(query) && patternReadsCharacters(query))) {
    return searchRest(stream, nullptr, LineTest(query, TextEncoding::kSingleByte), output,
                      notifier);
  }
  return searchEitherEncoding(stream, query, edge.queryAsText, output, notifier);
}

}  // namespace lexi::find
