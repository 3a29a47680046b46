#include "wordlist/word_list.h"

#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "base/error_text.h"
#include "base/large_block.h"
#include "wordlist/entry_array.h"
#include "wordlist/input_file.h"
#include "wordlist/line_reader.h"
#include "wordlist/piece_reader.h"
#include "wordlist/stepped_take.h"

namespace lexi {

namespace {

// Ends a failed load: frees the text read so far and tells why.
bool giveUp(char* texts, std::string_view message, Notifier& notifier) {
  std::free(texts);
  notifier.error(message);
  return false;
}

}  // namespace

std::string cannotOpenMessage(std::string_view path, int error, std::string_view otherPath) {
  // When the current directory is gone, the name as given is all there is to show.
  const std::string directory = currentDirectory();
  std::string message = "Error: Cannot open file '";
  message.append(joinPath(directory, std::string(path))).append("'");
  if (!otherPath.empty())
    message.append(" or '").append(joinPath(directory, std::string(otherPath))).append("'");
  message.append(":\n").append(errorText(error)).append(".").append(kClosingSentence);
  return message;
}

std::string cannotReadMessage(std::string_view name, int error) {
  return "Error: Cannot read file '" + std::string(name) + "':\n" + errorText(error) + "." +
         std::string(kClosingSentence);
}

bool WordList::load(const char* path, Notifier& notifier, const ReadingPlan& plan) {
  release();

  InputFile file;
  if (const int error = file.open(path); error != 0) {
    notifier.error(cannotOpenMessage(path, error));
    return false;
  }

  const std::uint64_t size = file.size();
  const bool sized = size > 0 && size < std::numeric_limits<std::size_t>::max() - 2;
  if (sized && size / plan.chunkBytes < std::numeric_limits<std::uint32_t>::max()) {
    // One buffer for the whole file, the NUL after its last line, and the byte
    // that tells whether the file grew.
    char* const texts = static_cast<char*>(std::malloc(static_cast<std::size_t>(size) + 2));
    if (texts == nullptr) {
      notifier.error(kLineOutOfMemoryMessage);
      return false;
    }
    adviseLargeBlock(texts, static_cast<std::size_t>(size) + 2);
    PieceReading reading;
    readInPieces(file, texts, size, plan, reading);
    switch (reading.outcome) {
      case PieceReading::Outcome::kRead:
        return keep(texts, reading.lines, notifier);
      case PieceReading::Outcome::kGrew:
        // Read as a stream from the start, to wherever the file ends now.
        std::free(texts);
        file.rewind();
        break;
      case PieceReading::Outcome::kOutOfMemory:
        return giveUp(texts, OutOfMemoryMessage(reading.failedBytes).text(), notifier);
      case PieceReading::Outcome::kReadFailed:
        return giveUp(texts, cannotReadMessage(path, reading.error), notifier);
    }
  }

  // A file of no known size (a pipe, a device) or one that grew: as a stream,
  // into a buffer that starts at the size when there is one.
  LineReader reader(file,
                    sized ? static_cast<std::size_t>(size) + 2 : LineReader::kDefaultCapacity);
  int status = 0;
  reader.readAll(status);
  file.close();
  if (status < 0) {
    notifier.error(kLineOutOfMemoryMessage);
    return false;
  }
  if (status > 0) {
    notifier.error(cannotReadMessage(path, status));
    return false;
  }
  std::size_t textSize = 0;
  char* const texts = reader.takeBuffer(textSize);
  return take(texts, textSize, notifier);
}

bool WordList::take(char* text, std::size_t size, Notifier& notifier) {
  SteppedTake whole;
  whole.start(text, size);
  whole.step(size + 1);  // one step, longer than the text
  return whole.finish(*this, notifier);
}

bool WordList::keep(char* texts, EntryArray& lines, Notifier& notifier) {
  if (!lines.shrinkToFit()) {
    return giveUp(texts, OutOfMemoryMessage(lines.failedBytes()).text(), notifier);
  }
  count_ = lines.count();
  entries_ = lines.release();
  texts_ = texts;
  return true;
}

void WordList::release() {
  std::free(entries_);
  entries_ = nullptr;
  count_ = 0;
  std::free(texts_);
  texts_ = nullptr;
}

}  // namespace lexi
