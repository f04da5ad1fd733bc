// A reader of packed files written apart from the packer: it decompresses
// every section and block and checks the layout and the checksum.
#pragma once

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "kx_fixture.h"

namespace vocarn::testing {

struct KxContents {
  uint32_t version = 0, words = 0, words_size = 0, words_zsize = 0, bc = 0, block_count = 0,
           abbr = 0, abbr_size = 0, abbr_zsize = 0, flags = 0;
  int32_t cp1 = 0, cp2 = 0, lcid = 0;
  std::vector<std::string> word_list;
  std::vector<std::string> translations;  // in entry order
  std::vector<std::string> abbreviations;
  std::vector<uint32_t> entries_per_block;
};

inline std::vector<std::string> split_nul(const std::string& bytes) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\0') {
      out.push_back(bytes.substr(start, i - start));
      start = i + 1;
    }
  }
  EXPECT_EQ(start, bytes.size()) << "a string without its NUL";
  return out;
}

inline std::string inflate_exact(const std::string& packed, uint32_t size) {
  std::string plain(size, '\0');
  uLongf length = size;
  const int result =
      uncompress(reinterpret_cast<Bytef*>(plain.data()), &length,
                 reinterpret_cast<const Bytef*>(packed.data()), static_cast<uLong>(packed.size()));
  EXPECT_EQ(result, Z_OK);
  EXPECT_EQ(length, size);
  return plain;
}

// Parses a version 5 file as this system writes it; every check is a
// gtest expectation.
inline KxContents read_kx(const std::string& bytes) {
  KxContents kx;
  if (bytes.size() < 54) {
    ADD_FAILURE() << "file too short";
    return kx;
  }
  kx.version = static_cast<uint8_t>(bytes[0]) | (static_cast<uint8_t>(bytes[1]) << 8);
  uint32_t* fields[] = {&kx.words, &kx.words_size, &kx.words_zsize, &kx.bc,   &kx.block_count,
                        &kx.abbr,  &kx.abbr_size,  &kx.abbr_zsize,  &kx.flags};
  for (size_t i = 0; i < 9; ++i)
    *fields[i] = read_le32(bytes, 2 + 4 * i);
  kx.cp1 = static_cast<int32_t>(read_le32(bytes, 38));
  kx.cp2 = static_cast<int32_t>(read_le32(bytes, 42));
  kx.lcid = static_cast<int32_t>(read_le32(bytes, 46));
  EXPECT_EQ(kx.version, 5u);
  EXPECT_EQ(read_le32(bytes, bytes.size() - 4), adler_from_zero(bytes.substr(0, bytes.size() - 4)));

  size_t at = 50;
  kx.word_list = split_nul(inflate_exact(bytes.substr(at, kx.words_zsize), kx.words_size));
  EXPECT_EQ(kx.word_list.size(), kx.words);
  at += kx.words_zsize;
  if (kx.abbr_size != 0) {
    kx.abbreviations = split_nul(inflate_exact(bytes.substr(at, kx.abbr_zsize), kx.abbr_size));
    EXPECT_EQ(kx.abbreviations.size(), kx.abbr);
  } else {
    EXPECT_EQ(kx.abbr_zsize, 0u);
  }
  at += kx.abbr_zsize;
  size_t expected_block = at + 4 * size_t{kx.block_count};
  for (uint32_t k = 0; k < kx.block_count; ++k) {
    const uint32_t offset = read_le32(bytes, at + 4 * k);
    EXPECT_EQ(offset, expected_block) << "blocks follow the table in order";
    const uint32_t size = read_le32(bytes, offset);
    const uint32_t zsize = read_le32(bytes, offset + 4);
    const auto block = split_nul(inflate_exact(bytes.substr(offset + 8, zsize), size));
    kx.entries_per_block.push_back(static_cast<uint32_t>(block.size()));
    kx.translations.insert(kx.translations.end(), block.begin(), block.end());
    expected_block = offset + 8 + zsize;
  }
  EXPECT_EQ(expected_block + 4, bytes.size()) << "the checksum ends the file";
  EXPECT_EQ(kx.translations.size(), kx.words);
  return kx;
}

}  // namespace vocarn::testing
