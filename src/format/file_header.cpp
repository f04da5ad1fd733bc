#include "format/file_header.h"

#include "format/coding.h"

namespace vocarn {

void encode_file_header(const FileHeader& h, uint8_t out[kHeaderSize]) {
  put_u16(out + 0, h.version);
  put_u32(out + 2, h.words);
  put_u32(out + 6, h.words_size);
  put_u32(out + 10, h.words_zsize);
  put_u32(out + 14, h.bc);
  put_u32(out + 18, h.block_count);
  put_u32(out + 22, h.abbr);
  put_u32(out + 26, h.abbr_size);
  put_u32(out + 30, h.abbr_zsize);
  put_u32(out + 34, h.flags);
  put_u32(out + 38, static_cast<uint32_t>(h.cp1));
  put_u32(out + 42, static_cast<uint32_t>(h.cp2));
  put_u32(out + 46, static_cast<uint32_t>(h.lcid));
}

bool read_file_header(std::FILE* file, FileHeader& h) {
  uint8_t image[kHeaderSize] = {};
  const size_t got = std::fread(image, 1, kHeaderSize, file);
  if (got < 2) return false;
  const uint16_t version = get_u16(image);
  if (static_cast<uint16_t>(version - 2) > 3) return false;

  h = FileHeader{};
  h.version = version;
  size_t header_size = kHeaderSize;
  if (version == 2) {
    header_size = kHeaderSizeV2;
    if (got < header_size) return false;
    h.words = get_u32(image + 4);
    h.words_size = get_u32(image + 8);
    h.words_zsize = get_u32(image + 12);
    h.block_count = get_u32(image + 16);
    h.abbr = get_u32(image + 20);
    h.abbr_size = get_u32(image + 24);
    h.abbr_zsize = get_u32(image + 28);
    h.flags = get_u32(image + 32);
  } else {
    header_size = version == 3 ? kHeaderSizeV3 : kHeaderSize;
    if (got < header_size) return false;
    h.words = get_u32(image + 2);
    h.words_size = get_u32(image + 6);
    h.words_zsize = get_u32(image + 10);
    h.bc = get_u32(image + 14);
    h.block_count = get_u32(image + 18);
    h.abbr = get_u32(image + 22);
    h.abbr_size = get_u32(image + 26);
    h.abbr_zsize = get_u32(image + 30);
    h.flags = get_u32(image + 34);
    if (version >= 4) {
      h.cp1 = static_cast<int32_t>(get_u32(image + 38));
      h.cp2 = static_cast<int32_t>(get_u32(image + 42));
      h.lcid = static_cast<int32_t>(get_u32(image + 46));
    }
  }
  return std::fseek(file, static_cast<long>(header_size), SEEK_SET) == 0;
}

void encode_block_prefix(const BlockPrefix& prefix, uint8_t out[kBlockPrefixSize]) {
  put_u32(out, prefix.size);
  put_u32(out + 4, prefix.zsize);
}

BlockPrefix decode_block_prefix(const uint8_t in[kBlockPrefixSize]) {
  return BlockPrefix{get_u32(in), get_u32(in + 4)};
}

}  // namespace vocarn
