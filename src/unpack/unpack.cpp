#include "unpack/unpack.h"

#include <sys/types.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/file.h"
#include "driver/output_file.h"
#include "format/coding.h"
#include "format/file_header.h"

namespace vocarn {

bool inflatable(uint64_t size, uint64_t zsize) {
  return size <= zsize * 1032 + 1024;
}

namespace {

// Reads `zsize` bytes at `at` and decompresses them into exactly `size`
// bytes, with both sizes checked against the file and deflate's largest
// ratio before anything is allocated. A read or bad-data failure calls
// `fail_format` (which throws); any other zlib failure is "internal error".
// Bytes the stream did not fill read as zeros, as in a fresh buffer.
template <typename FailFormat>
void read_packed(std::FILE* file, int64_t file_length, int64_t at, uint32_t size, uint32_t zsize,
                 std::vector<uint8_t>& packed, std::vector<char>& plain, ErrorText& error_text,
                 FailFormat fail_format) {
  if (at < 0 || int64_t{zsize} > file_length - at || !inflatable(size, zsize)) fail_format();
  packed.resize(zsize);
  if (std::fread(packed.data(), 1, zsize, file) != zsize) fail_format();
  plain.resize(size);
  uLongf produced = size;
  const int result =
      uncompress(reinterpret_cast<Bytef*>(plain.data()), &produced, packed.data(), zsize);
  if (result == Z_DATA_ERROR) fail_format();
  if (result != Z_OK) fail_internal(error_text);
  if (produced < size) std::memset(plain.data() + produced, 0, size - produced);
}

// One of the two sections that follow the header, from the current place.
std::vector<char> read_section(std::FILE* file, int64_t file_length, uint32_t size, uint32_t zsize,
                               const char* source, ErrorText& error_text) {
  std::vector<uint8_t> packed;
  std::vector<char> plain;
  read_packed(file, file_length, ftello(file), size, zsize, packed, plain, error_text,
              [&] { fail_format(error_text, source); });
  return plain;
}

// True when the section holds at least `count` NUL-ended strings.
bool holds_strings(const std::vector<char>& section, uint32_t count) {
  const char* p = section.data();
  const char* end = p + section.size();
  for (uint32_t i = 0; i < count; ++i) {
    if (p == end) return false;
    const void* nul = std::memchr(p, 0, static_cast<size_t>(end - p));
    if (nul == nullptr) return false;
    p = static_cast<const char*>(nul) + 1;
  }
  return true;
}

// The one block held: its compressed and decompressed bytes, reused from
// block to block, and the place of the next translation in it.
struct HeldBlock {
  bool held = false;
  uint32_t index = 0;
  std::vector<uint8_t> packed;
  std::vector<char> plain;
  size_t cursor = 0;
};

// Reads and decompresses block k into the held block. Every failure is
// "wrong format %s, line = %d" with the entry `line`, but for a zlib
// failure other than bad data.
void load_block(HeldBlock& block, uint32_t k, std::FILE* file, int64_t file_length,
                const std::vector<uint8_t>& table, const char* source, int line,
                ErrorText& error_text) {
  // Table entries past what the file held read as 0, as a short read leaves
  // them, and fail here at their block.
  const int64_t offset =
      size_t{k} * 4 + 4 <= table.size() ? get_u32(table.data() + size_t{k} * 4) : 0;
  uint8_t image[kBlockPrefixSize];
  if (fseeko(file, offset, SEEK_SET) != 0 ||
      std::fread(image, 1, sizeof image, file) != sizeof image) {
    fail_format_at_line(error_text, source, line);
  }
  const BlockPrefix prefix = decode_block_prefix(image);
  read_packed(file, file_length, offset + int64_t{kBlockPrefixSize}, prefix.size, prefix.zsize,
              block.packed, block.plain, error_text,
              [&] { fail_format_at_line(error_text, source, line); });
  block.held = true;
  block.index = k;
  block.cursor = 0;
}

}  // namespace

int unpack(const char* destination, ErrorText& error_text, const char* source,
           const char* abbr_path, bool lowercase, int32_t& word_count) {
  return run_mode([&] {
    File file(source, "rb");
    if (!file.is_open()) fail_open(error_text, source);
    // Creating an output truncates it: one that is the .kx file itself would
    // destroy the dictionary being read.
    if (same_file(source, destination)) fail_open(error_text, destination);
    if (abbr_path != nullptr && same_file(source, abbr_path)) fail_open(error_text, abbr_path);
    OutputFile out(destination, error_text);
    FileHeader header;
    if (!read_file_header(file.get(), header)) fail_format(error_text, source);
    const int64_t header_end = ftello(file.get());
    if (fseeko(file.get(), 0, SEEK_END) != 0) fail_format(error_text, source);
    const int64_t length = ftello(file.get());
    if (fseeko(file.get(), header_end, SEEK_SET) != 0) fail_format(error_text, source);

    std::vector<char> words =
        read_section(file.get(), length, header.words_size, header.words_zsize, source, error_text);
    if (!holds_strings(words, header.words)) fail_format(error_text, source);

    if (header.abbr_size != 0) {
      const std::vector<char> abbreviations =
          read_section(file.get(), length, header.abbr_size, header.abbr_zsize, source, error_text);
      if (!holds_strings(abbreviations, header.abbr)) fail_format(error_text, source);
      if (abbr_path != nullptr) {
        OutputFile abbr_out(abbr_path, error_text);
        const char* p = abbreviations.data();
        for (uint32_t i = 0; i < header.abbr; ++i) {
          const size_t n = std::strlen(p);
          abbr_out.write(std::string_view(p, n));
          abbr_out.write("\r\n");
          p += n + 1;
        }
        abbr_out.close();
      }
    }

    // The table is read as far as the file holds it, never allocated from
    // block_count alone.
    const int64_t table_at = ftello(file.get());
    const int64_t table_room = table_at < 0 ? 0 : std::max<int64_t>(0, length - table_at);
    std::vector<uint8_t> table(
        static_cast<size_t>(std::min<int64_t>(int64_t{header.block_count} * 4, table_room)));
    const size_t table_read = std::fread(table.data(), 1, table.size(), file.get());
    table.resize(table_read);
    if (header.words > 0 && header.bc == 0) fail_format(error_text, source);

    HeldBlock block;
    char* word = words.data();
    for (uint32_t i = 0; i < header.words; ++i) {
      const int line = static_cast<int>(i);
      const uint32_t k = i / header.bc;
      if (!block.held || block.index != k) {
        if (k >= header.block_count) fail_format_at_line(error_text, source, line);
        load_block(block, k, file.get(), length, table, source, line, error_text);
      }
      // Entries come in order, so the translation of entry i is the string
      // at the cursor: the (i mod bc + 1)-th of the block.
      if (block.cursor >= block.plain.size()) fail_format_at_line(error_text, source, line);
      const char* translation = block.plain.data() + block.cursor;
      const void* nul = std::memchr(translation, 0, block.plain.size() - block.cursor);
      if (nul == nullptr) fail_format_at_line(error_text, source, line);
      const size_t translation_length =
          static_cast<size_t>(static_cast<const char*>(nul) - translation);
      block.cursor += translation_length + 1;

      const size_t word_length = std::strlen(word);
      if (lowercase) {
        for (size_t j = 0; j < word_length; ++j) {
          if (word[j] >= 'A' && word[j] <= 'Z') word[j] = static_cast<char>(word[j] + 32);
        }
      }
      out.write(std::string_view(word, word_length));
      out.write("  ");
      out.write(std::string_view(translation, translation_length));
      out.write("\r\n");
      word += word_length + 1;
      word_count = static_cast<int32_t>(header.words);
    }
    out.close();
  });
}

}  // namespace vocarn
