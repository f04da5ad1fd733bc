#include "format/file_crc.h"

#include <sys/types.h>
#include <zlib.h>

#include <cstdio>
#include <vector>

#include "driver/file.h"
#include "format/coding.h"

namespace vocarn {

uint32_t crc_of(const void* data, size_t length) {
  uLong sum = 0;
  const Bytef* p = static_cast<const Bytef*>(data);
  while (length > 0) {
    const uInt step = length > (1u << 30) ? (1u << 30) : static_cast<uInt>(length);
    sum = adler32(sum, p, step);
    p += step;
    length -= step;
  }
  return static_cast<uint32_t>(sum);
}

uint32_t file_crc(const char* path, uint32_t* stored, bool& failed) {
  failed = false;
  File file(path, stored != nullptr ? "rb" : "r+b");
  if (!file.is_open() || fseeko(file.get(), 0, SEEK_END) != 0) {
    failed = true;
    return 0;
  }
  const off_t length = ftello(file.get());
  if (length < 0) {
    failed = true;
    return 0;
  }
  if (stored != nullptr && length < 4) return 0;
  off_t remaining = stored != nullptr ? length - 4 : length;
  if (fseeko(file.get(), 0, SEEK_SET) != 0) {
    failed = true;
    return 0;
  }

  std::vector<uint8_t> chunk(kCrcChunk);
  uLong sum = 0;
  while (remaining > 0) {
    const size_t step =
        remaining < static_cast<off_t>(kCrcChunk) ? static_cast<size_t>(remaining) : kCrcChunk;
    if (std::fread(chunk.data(), 1, step, file.get()) != step) {
      failed = true;
      return 0;
    }
    sum = adler32(sum, chunk.data(), static_cast<uInt>(step));
    remaining -= static_cast<off_t>(step);
  }
  const uint32_t crc = static_cast<uint32_t>(sum);

  uint8_t tail[4];
  if (stored != nullptr) {
    if (std::fread(tail, 1, 4, file.get()) != 4) {
      failed = true;
      return 0;
    }
    *stored = get_u32(tail);
    return crc;
  }
  put_u32(tail, crc);
  // Switching from reading to writing on an update stream needs a seek.
  if (fseeko(file.get(), 0, SEEK_END) != 0 || std::fwrite(tail, 1, 4, file.get()) != 4 ||
      !file.close()) {
    failed = true;
    return 0;
  }
  return crc;
}

}  // namespace vocarn
