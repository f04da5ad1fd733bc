// The sort order of index words: a locale's collation, case ignored,
// punctuation compared as symbols.
#pragma once

#include <cstdint>
#include <string>

namespace vocarn {

// The locale number whose collation collation_less uses; 0 at start. The
// packer sets it just before it sorts.
extern int32_t collation_lcid;

// Strict less-than of two NUL-terminated UTF-16 strings under the collation
// of collation_lcid. False for every pair when the number names no locale.
bool collation_less(const char16_t* a, const char16_t* b);

// Appends the collation key of a NUL-terminated UTF-16 string to `out`,
// with its terminating 0 byte. Comparing two keys as bytes gives exactly the
// order of collation_less; with no locale every key is empty (one 0 byte).
void append_collation_key(const char16_t* text, std::string& out);

}  // namespace vocarn
