#include "pack/block_builder.h"

#include <zlib.h>

namespace vocarn {

namespace {

constexpr size_t kWordIndexReserve = 102400;
constexpr size_t kBlockReserve = 1024;

}  // namespace

CompressedSection compress_section(std::string_view input, ErrorText& error_text) {
  CompressedSection section;
  section.size = static_cast<uint32_t>(input.size());
  uLongf length = compressBound(static_cast<uLong>(input.size()));
  section.data.resize(length);
  const int result =
      compress2(section.data.data(), &length, reinterpret_cast<const Bytef*>(input.data()),
                static_cast<uLong>(input.size()), 9);
  if (result != Z_OK) fail_internal(error_text);
  section.data.resize(length);
  section.data.shrink_to_fit();
  return section;
}

BlockBuilder::BlockBuilder(uint32_t bc, ErrorText& error_text) : bc_(bc), error_text_(error_text) {
  word_index_.reserve(kWordIndexReserve);
}

void BlockBuilder::add_entry(std::string_view word, std::string_view translation) {
  word_index_.append(word);
  word_index_.push_back('\0');
  if (!block_open_ || open_block_entries_ >= bc_) {
    close_open_block();
    open_block_.clear();
    open_block_.reserve(kBlockReserve);
    open_block_entries_ = 0;
    block_open_ = true;
  }
  open_block_.append(translation);
  open_block_.push_back('\0');
  ++open_block_entries_;
  ++words_;
}

void BlockBuilder::finish() {
  close_open_block();
}

void BlockBuilder::close_open_block() {
  if (!block_open_) return;
  blocks_.push_back(compress_section(open_block_, error_text_));
  block_open_ = false;
}

}  // namespace vocarn
