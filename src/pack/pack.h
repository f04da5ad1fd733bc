// The pack mode: a source text (and an optional abbreviation file) into a
// complete .kx file.
#pragma once

#include <cstdint>

#include "driver/errors.h"

namespace vocarn {

// The largest .kx file: its offsets are read as signed 32-bit values.
inline constexpr uint64_t kMaxKxSize = uint64_t{1} << 31;

// Refuses a file of `total_size` bytes that would put a byte at offset 2^31
// or beyond, and a section whose size does not fit its 32-bit field: "error:
// %s is too large for the .kx format", WRONG_FORMAT.
void check_kx_size(uint64_t total_size, uint64_t largest_section, const char* destination,
                   ErrorText& error_text);

// 0 or a ToolError code; word_count receives the number of entries.
// abbr_path is null when no "-a:" was given; ecp1/ecp2 of -1 mean cp1/cp2.
int pack(const char* abbr_path, const char* destination, ErrorText& error_text, const char* source,
         bool lowercase, bool sort_words, int32_t cp1, int32_t cp2, int32_t ecp1, int32_t ecp2,
         int32_t lcid, char delete_char, int32_t bc, bool no_auto_format, int32_t& word_count);

}  // namespace vocarn
