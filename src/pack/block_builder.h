// Lays entries, in index order, into the word index and into translation
// blocks of `bc` entries. Each full block goes to background compression at
// once, so only compressed blocks pile up and both cores work while the
// entries are still being handed on.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "driver/errors.h"

namespace vocarn {

// One compressed section or block: its uncompressed size and zlib stream.
struct CompressedSection {
  uint64_t size = 0;  // checked against the 32-bit fields before writing
  std::vector<uint8_t> data;
};

// compress2 at level 9 into an output of compressBound of the input, so any
// input fits; false on a zlib failure.
bool compress_into(std::string_view input, CompressedSection& section);

// The same, a zlib failure being "internal error".
CompressedSection compress_section(std::string_view input, ErrorText& error_text);

// Compresses submitted sections on worker threads, each into the place the
// caller names; blocks keep the order of submission, so the file's bytes do
// not depend on the scheduling.
class BlockCompressor {
 public:
  BlockCompressor();
  ~BlockCompressor();
  BlockCompressor(const BlockCompressor&) = delete;
  BlockCompressor& operator=(const BlockCompressor&) = delete;

  // Queues a block as the next result; waits while too many are pending.
  void submit(std::string block);
  // Queues a section whose result goes to `target`, which must outlive
  // finish(); `input` must stay unchanged until then.
  void submit(std::string_view input, CompressedSection& target);
  // Waits for everything submitted; false when any compression failed.
  bool finish();
  const std::deque<CompressedSection>& results() const { return results_; }

 private:
  // A block is owned by its job; a section submitted by view is borrowed.
  struct Job {
    std::string owned;
    std::string_view borrowed;
    CompressedSection* target = nullptr;
    std::string_view input() const { return owned.empty() ? borrowed : owned; }
  };
  void work();

  std::mutex mutex_;
  std::condition_variable work_ready_;
  std::condition_variable room_ready_;
  std::condition_variable all_done_;
  std::deque<Job> queue_;
  std::deque<CompressedSection> results_;  // stable places as it grows
  size_t pending_ = 0;                     // queued or being compressed
  size_t max_pending_ = 0;
  bool stopping_ = false;
  bool failed_ = false;
  std::vector<std::thread> workers_;
};

class BlockBuilder {
 public:
  BlockBuilder(uint32_t bc, ErrorText& error_text);

  // Appends the word to the word index and the translation to the open
  // block, opening a new block every `bc` entries (compared unsigned).
  void add_entry(std::string_view word, std::string_view translation);

  // The two halves of add_entry, for a caller that knows every word before
  // the translations: after the last add_word, seal_word_index starts the
  // word index's compression beside the blocks'. Entry i is the i-th word
  // with the i-th translation.
  void add_word(std::string_view word);
  void seal_word_index();
  void add_translation(std::string_view translation);

  // Compresses what is left and waits for all of it; call once after the
  // last entry. A zlib failure is "internal error".
  void finish();

  uint32_t words() const { return words_; }
  uint32_t block_count() const { return block_count_; }
  const std::string& word_index() const { return word_index_; }
  const CompressedSection& compressed_word_index() const { return compressed_word_index_; }
  const std::deque<CompressedSection>& blocks() const { return compressor_.results(); }

 private:
  void close_open_block();

  uint32_t bc_;
  ErrorText& error_text_;
  uint32_t words_ = 0;
  uint32_t block_count_ = 0;
  std::string word_index_;
  std::string open_block_;
  uint32_t open_block_entries_ = 0;
  bool block_open_ = false;
  bool word_index_sealed_ = false;
  CompressedSection compressed_word_index_;
  BlockCompressor compressor_;  // last: its workers stop before the rest goes
};

}  // namespace vocarn
