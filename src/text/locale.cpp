#include "text/locale.h"

#include <unicode/uloc.h>

#include <unordered_map>

namespace vocarn {

const std::string& locale_for_lcid(int32_t lcid) {
  // Looked up once per number in a run: case mapping asks for every word.
  static std::unordered_map<int32_t, std::string> known;
  auto found = known.find(lcid);
  if (found != known.end()) return found->second;
  char name[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length =
      uloc_getLocaleForLCID(static_cast<uint32_t>(lcid), name, sizeof name, &status);
  std::string locale;
  if (U_SUCCESS(status) && length > 0) locale.assign(name, static_cast<size_t>(length));
  return known.emplace(lcid, std::move(locale)).first->second;
}

}  // namespace vocarn
