// Conversion between Windows code pages and UTF-16.
//
// Both calls read their input up to its first NUL and convert that NUL with
// the text: the result holds the converted text and one NUL, and its size
// counts the NUL. An unknown code page gives the empty result. Output strings
// are reused by the caller, so a call allocates only when a text needs more
// room than any before it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vocarn {

// Bytes in `code_page` to UTF-16; invalid bytes are substituted as the
// code page's table says.
void decode_code_page(std::string_view text, int32_t code_page, std::u16string& out);

// UTF-16 to bytes in `code_page`; a character the code page cannot represent
// becomes "?" (best-fit mappings allowed).
void encode_code_page(std::u16string_view text, int32_t code_page, std::string& out);

// Whether the number names a code page these calls can convert.
bool is_known_code_page(int32_t code_page);

// Whether decoding any text in this code page and encoding it back gives the
// same bytes, so that such a round trip may be skipped.
bool round_trip_is_identity(int32_t code_page);

}  // namespace vocarn
