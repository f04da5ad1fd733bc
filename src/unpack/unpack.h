// The unpack mode: a .kx file back into source text, and its abbreviations.
#pragma once

#include <cstdint>

#include "driver/errors.h"

namespace vocarn {

// Writes one line per entry in index order: word, two spaces, translation,
// CR LF. abbr_path (null when not given) receives the abbreviation entries
// when the file has any. 0 or a ToolError code; word_count gets `words`.
int unpack(const char* destination, ErrorText& error_text, const char* source,
           const char* abbr_path, bool lowercase, int32_t& word_count);

// Whether `size` bytes can come out of a zlib stream of `zsize` bytes:
// deflate expands at most about 1,032 to 1.
bool inflatable(uint64_t size, uint64_t zsize);

}  // namespace vocarn
