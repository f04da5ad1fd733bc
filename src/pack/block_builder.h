// Lays entries, in index order, into the word index and into translation
// blocks of `bc` entries; each block is compressed as soon as it is full.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "driver/errors.h"

namespace vocarn {

// One compressed section or block: its uncompressed size and zlib stream.
struct CompressedSection {
  uint32_t size = 0;
  std::vector<uint8_t> data;
};

// Compresses with compress2 at level 9 into an output of compressBound of
// the input; a zlib failure is "internal error".
CompressedSection compress_section(std::string_view input, ErrorText& error_text);

class BlockBuilder {
 public:
  BlockBuilder(uint32_t bc, ErrorText& error_text);

  // Appends the word to the word index and the translation to the open
  // block, opening a new block every `bc` entries (compared unsigned).
  void add_entry(std::string_view word, std::string_view translation);

  // Compresses the open block; call once after the last entry.
  void finish();

  uint32_t words() const { return words_; }
  uint32_t block_count() const { return static_cast<uint32_t>(blocks_.size()); }
  const std::string& word_index() const { return word_index_; }
  const std::vector<CompressedSection>& blocks() const { return blocks_; }

 private:
  void close_open_block();

  uint32_t bc_;
  ErrorText& error_text_;
  uint32_t words_ = 0;
  std::string word_index_;
  std::string open_block_;
  uint32_t open_block_entries_ = 0;
  bool block_open_ = false;
  std::vector<CompressedSection> blocks_;
};

}  // namespace vocarn
