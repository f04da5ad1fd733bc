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
  const size_t header_size =
      version == 2 ? kHeaderSizeV2 : version == 3 ? kHeaderSizeV3 : kHeaderSize;
  if (got < header_size) return false;

  // The fields follow one another; version 2 has two spare bytes after the
  // version and no bc, and versions 2 and 3 end before cp1.
  h = FileHeader{};
  h.version = version;
  const uint8_t* p = image + (version == 2 ? 4 : 2);
  auto next = [&p] {
    const uint32_t value = get_u32(p);
    p += 4;
    return value;
  };
  h.words = next();
  h.words_size = next();
  h.words_zsize = next();
  if (version != 2) h.bc = next();
  h.block_count = next();
  h.abbr = next();
  h.abbr_size = next();
  h.abbr_zsize = next();
  h.flags = next();
  if (version >= 4) {
    h.cp1 = static_cast<int32_t>(next());
    h.cp2 = static_cast<int32_t>(next());
    h.lcid = static_cast<int32_t>(next());
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
