// A small .kx writer of the tests' own, apart from the packer: any header
// version, any field values, raw blocks, an optional checksum.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vocarn::testing {

inline void le16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void le32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline uint32_t read_le32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = (v << 8) | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
  return v;
}

inline std::string zlib_compress(const std::string& plain) {
  uLongf length = compressBound(static_cast<uLong>(plain.size()));
  std::string packed(length, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
            reinterpret_cast<const Bytef*>(plain.data()), static_cast<uLong>(plain.size()), 9);
  packed.resize(length);
  return packed;
}

inline uint32_t adler_from_zero(const std::string& bytes) {
  uint32_t s1 = 0, s2 = 0;
  for (unsigned char b : bytes) {
    s1 = (s1 + b) % 65521;
    s2 = (s2 + s1) % 65521;
  }
  return (s2 << 16) | s1;
}

struct KxFixture {
  uint16_t version = 5;
  uint32_t words = 0;
  uint32_t bc = 100;
  uint32_t abbr = 0;
  uint32_t flags = 0x4;
  int32_t cp1 = 1251, cp2 = 1251, lcid = 25;
  std::string word_index;           // uncompressed
  std::string abbreviations;        // uncompressed; empty: no section
  std::vector<std::string> blocks;  // uncompressed
  bool checksum = true;

  // Overrides, when set, of what the header says.
  int64_t block_count_override = -1;
  int64_t words_size_override = -1;

  std::string build() const {
    const std::string zwords = zlib_compress(word_index);
    const std::string zabbr = abbreviations.empty() ? "" : zlib_compress(abbreviations);
    const uint32_t block_count = block_count_override >= 0
                                     ? static_cast<uint32_t>(block_count_override)
                                     : static_cast<uint32_t>(blocks.size());
    const uint32_t words_size = words_size_override >= 0
                                    ? static_cast<uint32_t>(words_size_override)
                                    : static_cast<uint32_t>(word_index.size());
    std::string out;
    le16(out, version);
    if (version == 2) le16(out, 0);
    le32(out, words);
    le32(out, words_size);
    le32(out, static_cast<uint32_t>(zwords.size()));
    if (version != 2) le32(out, bc);
    le32(out, block_count);
    le32(out, abbr);
    le32(out, static_cast<uint32_t>(abbreviations.size()));
    le32(out, static_cast<uint32_t>(zabbr.size()));
    le32(out, flags);
    if (version >= 4) {
      le32(out, static_cast<uint32_t>(cp1));
      le32(out, static_cast<uint32_t>(cp2));
      le32(out, static_cast<uint32_t>(lcid));
    }
    out += zwords;
    out += zabbr;
    std::vector<std::string> zblocks;
    for (const std::string& b : blocks)
      zblocks.push_back(zlib_compress(b));
    uint32_t offset = static_cast<uint32_t>(out.size() + 4 * blocks.size());
    for (const std::string& z : zblocks) {
      le32(out, offset);
      offset += static_cast<uint32_t>(8 + z.size());
    }
    for (size_t k = 0; k < blocks.size(); ++k) {
      le32(out, static_cast<uint32_t>(blocks[k].size()));
      le32(out, static_cast<uint32_t>(zblocks[k].size()));
      out += zblocks[k];
    }
    if (checksum) le32(out, adler_from_zero(out));
    return out;
  }
};

}  // namespace vocarn::testing
