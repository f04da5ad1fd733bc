// The .kx header in all accepted versions, and the prefix of each block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace vocarn {

inline constexpr uint32_t FLAG_ABBR = 0x1;
inline constexpr uint32_t FLAG_SORTED = 0x2;
inline constexpr uint32_t FLAG_CRC = 0x4;
inline constexpr uint32_t FLAG_DONT_AUTO_FORMAT = 0x8;

inline constexpr uint16_t kWrittenVersion = 5;
inline constexpr size_t kHeaderSize = 50;    // versions 4 and 5
inline constexpr size_t kHeaderSizeV2 = 36;  // no bc, cp1, cp2, lcid
inline constexpr size_t kHeaderSizeV3 = 38;  // no cp1, cp2, lcid

// The header in the version 5 layout; older versions are read into it with
// their missing fields at the defaults.
struct FileHeader {
  uint16_t version = kWrittenVersion;
  uint32_t words = 0;
  uint32_t words_size = 0;
  uint32_t words_zsize = 0;
  uint32_t bc = 100;
  uint32_t block_count = 0;
  uint32_t abbr = 0;
  uint32_t abbr_size = 0;
  uint32_t abbr_zsize = 0;
  uint32_t flags = 0;
  int32_t cp1 = 1251;
  int32_t cp2 = 1251;
  int32_t lcid = 25;
};

// The 50-byte version 5 image of the header.
void encode_file_header(const FileHeader& header, uint8_t out[kHeaderSize]);

// Reads a header of version 2 to 5 from a binary stream at offset 0 and
// leaves the stream at the end of that version's header, where the word
// index begins. False when the version is not accepted or the file ends
// before its header does.
bool read_file_header(std::FILE* file, FileHeader& header);

// The 8 bytes in front of each translation block.
struct BlockPrefix {
  uint32_t size = 0;   // uncompressed bytes
  uint32_t zsize = 0;  // compressed bytes that follow
};

inline constexpr size_t kBlockPrefixSize = 8;

void encode_block_prefix(const BlockPrefix& prefix, uint8_t out[kBlockPrefixSize]);
BlockPrefix decode_block_prefix(const uint8_t in[kBlockPrefixSize]);

}  // namespace vocarn
