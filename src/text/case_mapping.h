// Lower-casing of index words.
#pragma once

#include <cstdint>
#include <string>

namespace vocarn {

// The default simple lower-case mapping, code point by code point, of
// `source` up to its first NUL; the result holds one NUL, counted in its
// size. A locale number that names no locale gives the empty result.
// `destination` may be `source`.
void lowercase_utf16(std::u16string& destination, const std::u16string& source, int32_t lcid);

}  // namespace vocarn
