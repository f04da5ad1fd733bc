// The info mode: header, checksum and block size statistics of a .kx file.
#pragma once

#include <cstdint>

#include "driver/errors.h"
#include "format/file_header.h"

namespace vocarn {

struct BlockStats {
  uint32_t max_tbi_size = 0;
  uint32_t min_tbi_size = 0xFFFFFFFF;
  uint32_t mid_tbi_size = 0;
  uint32_t max_tbi_zsize = 0;
  uint32_t min_tbi_zsize = 0xFFFFFFFF;
  uint32_t mid_tbi_zsize = 0;

  // Reads the header, verifies the checksum and walks the block offset
  // table. 0, CANT_OPEN or WRONG_FORMAT; no value in the file makes it
  // allocate more than the file holds or read outside it.
  int read_info(ErrorText& error_text, const char* path, FileHeader& header, uint32_t& crc,
                uint32_t& crc_r);
};

// Prints the info report of a file that read_info accepted.
void print_info(const FileHeader& header, const BlockStats& stats, uint32_t crc, uint32_t crc_r);

}  // namespace vocarn
