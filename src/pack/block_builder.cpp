#include "pack/block_builder.h"

#include <zlib.h>

#include <algorithm>

namespace vocarn {

namespace {

constexpr size_t kWordIndexReserve = 102400;
constexpr size_t kBlockReserve = 1024;

}  // namespace

bool compress_into(std::string_view input, CompressedSection& section) {
  section.size = input.size();
  uLongf length = compressBound(static_cast<uLong>(input.size()));
  section.data.resize(length);
  const int result =
      compress2(section.data.data(), &length, reinterpret_cast<const Bytef*>(input.data()),
                static_cast<uLong>(input.size()), 9);
  if (result != Z_OK) return false;
  section.data.resize(length);
  section.data.shrink_to_fit();
  return true;
}

CompressedSection compress_section(std::string_view input, ErrorText& error_text) {
  CompressedSection section;
  if (!compress_into(input, section)) fail_internal(error_text);
  return section;
}

BlockCompressor::BlockCompressor() {
  const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  max_pending_ = 4 * size_t{workers};
  for (unsigned i = 0; i < workers; ++i)
    workers_.emplace_back([this] { work(); });
}

BlockCompressor::~BlockCompressor() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  for (std::thread& worker : workers_)
    worker.join();
}

void BlockCompressor::submit(std::string block) {
  std::unique_lock lock(mutex_);
  room_ready_.wait(lock, [this] { return pending_ < max_pending_; });
  results_.emplace_back();
  queue_.push_back(Job{std::move(block), {}, &results_.back()});
  ++pending_;
  work_ready_.notify_one();
}

void BlockCompressor::submit(std::string_view input, CompressedSection& target) {
  std::unique_lock lock(mutex_);
  room_ready_.wait(lock, [this] { return pending_ < max_pending_; });
  queue_.push_back(Job{{}, input, &target});
  ++pending_;
  work_ready_.notify_one();
}

bool BlockCompressor::finish() {
  std::unique_lock lock(mutex_);
  all_done_.wait(lock, [this] { return pending_ == 0; });
  return !failed_;
}

void BlockCompressor::work() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      work_ready_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (queue_.empty()) return;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    CompressedSection section;
    const bool ok = compress_into(job.input(), section);
    {
      std::lock_guard lock(mutex_);
      *job.target = std::move(section);
      if (!ok) failed_ = true;
      --pending_;
    }
    room_ready_.notify_one();
    all_done_.notify_all();
  }
}

BlockBuilder::BlockBuilder(uint32_t bc, ErrorText& error_text) : bc_(bc), error_text_(error_text) {
  word_index_.reserve(kWordIndexReserve);
}

void BlockBuilder::add_entry(std::string_view word, std::string_view translation) {
  add_word(word);
  add_translation(translation);
}

void BlockBuilder::add_word(std::string_view word) {
  word_index_.append(word);
  word_index_.push_back('\0');
}

void BlockBuilder::seal_word_index() {
  word_index_sealed_ = true;
  compressor_.submit(word_index_, compressed_word_index_);
}

void BlockBuilder::add_translation(std::string_view translation) {
  if (!block_open_ || open_block_entries_ >= bc_) {
    close_open_block();
    open_block_.clear();
    open_block_.reserve(kBlockReserve);
    open_block_entries_ = 0;
    block_open_ = true;
    ++block_count_;
  }
  open_block_.append(translation);
  open_block_.push_back('\0');
  ++open_block_entries_;
  ++words_;
}

void BlockBuilder::finish() {
  close_open_block();
  if (!word_index_sealed_) seal_word_index();
  if (!compressor_.finish()) fail_internal(error_text_);
}

void BlockBuilder::close_open_block() {
  if (!block_open_) return;
  compressor_.submit(std::move(open_block_));
  open_block_ = std::string();
  block_open_ = false;
}

}  // namespace vocarn
