#include "format/info.h"

#include <sys/types.h>

#include <cstdio>
#include <vector>

#include "driver/file.h"
#include "format/coding.h"
#include "format/file_crc.h"

namespace vocarn {

int BlockStats::read_info(ErrorText& error_text, const char* path, FileHeader& header,
                          uint32_t& crc, uint32_t& crc_r) {
  return run_mode([&] {
    File file(path, "rb");
    if (!file.is_open()) fail_open(error_text, path);
    if (!read_file_header(file.get(), header)) fail_format(error_text, path);
    const off_t header_end = ftello(file.get());

    bool failed = false;
    crc = file_crc(path, &crc_r, failed);
    if (failed) fail_open(error_text, path);

    if (fseeko(file.get(), 0, SEEK_END) != 0) fail_format(error_text, path);
    const int64_t length = ftello(file.get());
    // The table must lie inside the file: checked before it is allocated.
    const int64_t table_start =
        int64_t{header_end} + int64_t{header.words_zsize} + int64_t{header.abbr_zsize};
    if (table_start > length || header.block_count == 0 ||
        int64_t{header.block_count} * 4 > length - table_start ||
        fseeko(file.get(), table_start, SEEK_SET) != 0) {
      fail_format(error_text, path);
    }
    std::vector<uint8_t> table(size_t{header.block_count} * 4);
    if (std::fread(table.data(), 1, table.size(), file.get()) != table.size()) {
      fail_format(error_text, path);
    }

    *this = BlockStats{};
    for (uint32_t k = 0; k < header.block_count; ++k) {
      const int64_t offset = get_u32(table.data() + size_t{k} * 4);
      uint8_t image[kBlockPrefixSize];
      if (offset + int64_t{kBlockPrefixSize} > length ||
          fseeko(file.get(), offset, SEEK_SET) != 0 ||
          std::fread(image, 1, kBlockPrefixSize, file.get()) != kBlockPrefixSize) {
        fail_format(error_text, path);
      }
      const BlockPrefix prefix = decode_block_prefix(image);
      if (prefix.size > max_tbi_size) max_tbi_size = prefix.size;
      if (prefix.size < min_tbi_size) min_tbi_size = prefix.size;
      if (prefix.zsize > max_tbi_zsize) max_tbi_zsize = prefix.zsize;
      if (prefix.zsize < min_tbi_zsize) min_tbi_zsize = prefix.zsize;
    }
    mid_tbi_size = min_tbi_size + (max_tbi_size - min_tbi_size) / 2;
    mid_tbi_zsize = min_tbi_zsize + (max_tbi_zsize - min_tbi_zsize) / 2;
  });
}

void print_info(const FileHeader& h, const BlockStats& s, uint32_t crc, uint32_t crc_r) {
  // Fields print as signed decimals: 2^31 and above show negative.
  auto d = [](uint32_t value) { return static_cast<int32_t>(value); };
  if (h.flags & FLAG_CRC) {
    if (crc != crc_r) {
      std::printf("WRONG CRC!!! crc=%x, crc_r=%x\n", crc, crc_r);
    } else {
      std::printf("CRC - valid\n");
    }
  }
  std::printf("version = %d\n", h.version);
  std::printf("words = %d\n", d(h.words));
  std::printf("bc = %d\n", d(h.bc));
  std::printf(h.abbr != 0 ? "abbr = present\n" : "abbr = not present\n");
  if (h.flags & FLAG_SORTED) std::printf("sorted\n");
  if (h.flags & FLAG_DONT_AUTO_FORMAT) std::printf("dont auto format\n");
  std::printf("cp1 = %d\ncp2 = %d\nlcid = %d\n", h.cp1, h.cp2, h.lcid);
  std::printf("\n\n");
  std::printf("flags = 0x%x\n", h.flags);
  std::printf("words_size = %d\nwords_zsize = %d\n", d(h.words_size), d(h.words_zsize));
  if (h.abbr != 0) {
    std::printf("abbr_size = %d\nabbr_zsize = %d\n", d(h.abbr_size), d(h.abbr_zsize));
  }
  std::printf("block_count = %d\n", d(h.block_count));
  std::printf("min_tbi_size = %d\nmin_tbi_zsize = %d\n", d(s.min_tbi_size), d(s.min_tbi_zsize));
  std::printf("max_tbi_size = %d\nmax_tbi_zsize = %d\n", d(s.max_tbi_size), d(s.max_tbi_zsize));
  std::printf("mid_tbi_size = %d\nmid_tbi_zsize = %d\n", d(s.mid_tbi_size), d(s.mid_tbi_zsize));
}

}  // namespace vocarn
