// TextArena: NUL-terminated copies of many short texts in a few large blocks.
//
// A word list of a million lines needs a million texts that live as long as the
// list; one allocation each would cost time and memory. Texts never move once
// stored, so pointers to them stay valid until clear() or destruction.
#pragma once

#include <cstddef>
#include <string_view>

namespace lexi {

class TextArena {
 public:
  TextArena() = default;
  ~TextArena() { clear(); }
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;
  TextArena(TextArena&& other) noexcept;
  TextArena& operator=(TextArena&& other) noexcept;

  // Copies `text` and a terminating NUL. Returns nullptr when memory runs out.
  const char* store(std::string_view text);

  // Frees every block; every pointer handed out becomes invalid.
  void clear();

 private:
  struct Block;
  Block* blocks_ = nullptr;  // newest first
  char* next_ = nullptr;     // free space of the newest block
  std::size_t room_ = 0;
};

}  // namespace lexi
