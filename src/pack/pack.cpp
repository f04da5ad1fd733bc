#include "pack/pack.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "driver/output_file.h"
#include "format/coding.h"
#include "format/file_crc.h"
#include "format/file_header.h"
#include "pack/abbreviations.h"
#include "pack/block_builder.h"
#include "pack/index_words.h"

namespace vocarn {

namespace {

std::string_view bytes_of(const uint8_t* data, size_t length) {
  return std::string_view(reinterpret_cast<const char*>(data), length);
}

}  // namespace

void check_kx_size(uint64_t total_size, uint64_t largest_section, const char* destination,
                   ErrorText& error_text) {
  if (total_size > kMaxKxSize || largest_section > UINT32_MAX) {
    format_error(error_text, "error: %s is too large for the .kx format\n", destination);
    throw WRONG_FORMAT;
  }
}

int pack(const char* abbr_path, const char* destination, ErrorText& error_text, const char* source,
         bool lowercase, bool sort_words, int32_t cp1, int32_t cp2, int32_t ecp1, int32_t ecp2,
         int32_t lcid, char delete_char, int32_t bc, bool no_auto_format, int32_t& word_count) {
  return run_mode([&] {
    EntryOptions options;
    options.cp1 = cp1;
    options.ecp1 = ecp1 == -1 ? cp1 : ecp1;
    options.cp2 = cp2;
    options.ecp2 = ecp2 == -1 ? cp2 : ecp2;
    options.lcid = lcid;
    options.lowercase = lowercase;
    options.sort_words = sort_words;
    options.delete_char = delete_char;

    LineBuffer buffer;
    BlockBuilder blocks(static_cast<uint32_t>(bc), error_text);
    read_entries(source, options, buffer, error_text, blocks);
    blocks.finish();
    if (blocks.words() == 0) {
      format_error(error_text, "error: no entries in %s\n", source);
      throw WRONG_FORMAT;
    }

    std::string abbreviations;
    uint32_t abbr = 0;
    if (abbr_path != nullptr) {
      read_abbreviations(abbr_path, delete_char, buffer, error_text, abbreviations, abbr);
    }

    FileHeader header;
    header.version = kWrittenVersion;
    header.words = blocks.words();
    header.words_size = static_cast<uint32_t>(blocks.word_index().size());
    header.bc = static_cast<uint32_t>(bc);
    header.block_count = blocks.block_count();
    header.flags = FLAG_CRC;
    if (sort_words) header.flags |= FLAG_SORTED;
    if (no_auto_format) header.flags |= FLAG_DONT_AUTO_FORMAT;
    header.cp1 = options.ecp1;
    header.cp2 = options.ecp2;
    header.lcid = lcid;

    const CompressedSection& word_index = blocks.compressed_word_index();
    header.words_zsize = static_cast<uint32_t>(word_index.data.size());
    CompressedSection abbr_section;
    // An abbreviation file without entries is left out entirely: a section of
    // no bytes would break the rule that abbr_zsize is 0 with abbr_size.
    if (abbr > 0) {
      abbr_section = compress_section(abbreviations, error_text);
      header.abbr = abbr;
      header.abbr_size = static_cast<uint32_t>(abbreviations.size());
      header.abbr_zsize = static_cast<uint32_t>(abbr_section.data.size());
      header.flags |= FLAG_ABBR;
    }

    // Every offset is known before the first byte is written, so the file
    // goes out in one forward pass with the final header and table.
    uint64_t offset = kHeaderSize + word_index.data.size() + abbr_section.data.size() +
                      uint64_t{4} * header.block_count;
    uint64_t largest = std::max(word_index.size, abbr_section.size);
    std::vector<uint8_t> table(size_t{4} * header.block_count);
    for (size_t k = 0; k < blocks.blocks().size(); ++k) {
      put_u32(table.data() + 4 * k, static_cast<uint32_t>(offset));
      offset += kBlockPrefixSize + blocks.blocks()[k].data.size();
      largest = std::max(largest, blocks.blocks()[k].size);
    }
    check_kx_size(offset + 4, largest, destination, error_text);

    OutputFile out(destination, error_text);
    uint8_t image[kHeaderSize];
    encode_file_header(header, image);
    out.write(bytes_of(image, sizeof image));
    out.write(bytes_of(word_index.data.data(), word_index.data.size()));
    out.write(bytes_of(abbr_section.data.data(), abbr_section.data.size()));
    out.write(bytes_of(table.data(), table.size()));
    for (const CompressedSection& block : blocks.blocks()) {
      uint8_t prefix[kBlockPrefixSize];
      encode_block_prefix(
          BlockPrefix{static_cast<uint32_t>(block.size), static_cast<uint32_t>(block.data.size())},
          prefix);
      out.write(bytes_of(prefix, sizeof prefix));
      out.write(bytes_of(block.data.data(), block.data.size()));
    }
    out.close();

    word_count = static_cast<int32_t>(header.words);
    bool failed = false;
    file_crc(destination, nullptr, failed);
    if (failed) fail_open(error_text, destination);
  });
}

}  // namespace vocarn
