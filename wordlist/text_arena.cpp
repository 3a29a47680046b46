#include "wordlist/text_arena.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace lexi {

namespace {

// Big enough that a million lines take a few dozen blocks.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace

struct TextArena::Block {
  Block* next;
  char* data() { return reinterpret_cast<char*>(this + 1); }
};

TextArena::TextArena(TextArena&& other) noexcept
    : blocks_(std::exchange(other.blocks_, nullptr)),
      next_(std::exchange(other.next_, nullptr)),
      room_(std::exchange(other.room_, 0)) {}

TextArena& TextArena::operator=(TextArena&& other) noexcept {
  if (this != &other) {
    clear();
    blocks_ = std::exchange(other.blocks_, nullptr);
    next_ = std::exchange(other.next_, nullptr);
    room_ = std::exchange(other.room_, 0);
  }
  return *this;
}

const char* TextArena::store(std::string_view text) {
  const std::size_t size = text.size() + 1;
  if (size > room_) {
    const bool large = size > kBlockSize / 4;
    if (size > std::numeric_limits<std::size_t>::max() - sizeof(Block)) return nullptr;
    const std::size_t blockSize = sizeof(Block) + (large ? size : kBlockSize);
    auto* block = static_cast<Block*>(std::malloc(blockSize));
    if (block == nullptr) return nullptr;
    if (large && blocks_ != nullptr) {
      // A long line gets a block of its own behind the current one, whose free
      // space stays in use for the short lines that follow.
      block->next = blocks_->next;
      blocks_->next = block;
      char* copy = block->data();
      std::memcpy(copy, text.data(), text.size());
      copy[text.size()] = '\0';
      return copy;
    }
    block->next = blocks_;
    blocks_ = block;
    next_ = block->data();
    room_ = blockSize - sizeof(Block);
  }
  char* copy = next_;
  if (!text.empty()) std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  next_ += size;
  room_ -= size;
  return copy;
}

void TextArena::clear() {
  while (blocks_ != nullptr) {
    Block* next = blocks_->next;
    std::free(blocks_);
    blocks_ = next;
  }
  next_ = nullptr;
  room_ = 0;
}

}  // namespace lexi
