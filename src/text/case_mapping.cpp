#include "text/case_mapping.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

#include "text/locale.h"

namespace vocarn {

void lowercase_utf16(std::u16string& destination, const std::u16string& source, int32_t lcid) {
  if (locale_for_lcid(lcid).empty()) {
    destination.clear();
    return;
  }
  const size_t length = std::min(source.size(), source.find(u'\0'));
  // Simple mappings keep a code point inside its plane, so the UTF-16 length
  // never changes and the mapping can run in place.
  if (&destination != &source) destination.assign(source, 0, length);
  destination.resize(length + 1);
  destination[length] = 0;
  char16_t* text = destination.data();
  size_t i = 0;
  while (i < length) {
    const size_t start = i;
    UChar32 c;
    U16_NEXT(text, i, length, c);
    const UChar32 lower = u_tolower(c);
    if (lower == c || U16_LENGTH(lower) != i - start) continue;
    size_t at = start;
    U16_APPEND_UNSAFE(text, at, lower);
  }
}

}  // namespace vocarn
