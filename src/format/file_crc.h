// The file checksum: Adler-32 arithmetic started at 0, over every byte in
// front of the last four, which hold it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vocarn {

inline constexpr size_t kCrcChunk = 102400;

// Verify mode (stored given): the checksum of all bytes but the last 4, which
// are read into *stored; a file shorter than 4 bytes gives 0 and leaves
// *stored alone. Append mode (stored null): the checksum of the whole file,
// appended as 4 bytes. `failed` is set, and 0 returned, when the file cannot
// be opened, read whole or (append) written.
uint32_t file_crc(const char* path, uint32_t* stored, bool& failed);

// The checksum of a byte range, as file_crc computes it.
uint32_t crc_of(const void* data, size_t length);

}  // namespace vocarn
