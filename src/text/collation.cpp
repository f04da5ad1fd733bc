#include "text/collation.h"

#include <unicode/ucol.h>

#include <memory>
#include <unordered_map>

#include "text/locale.h"

namespace vocarn {

int32_t collation_lcid = 0;

namespace {

struct CollatorCloser {
  void operator()(UCollator* collator) const { ucol_close(collator); }
};
using CollatorHandle = std::unique_ptr<UCollator, CollatorCloser>;

UCollator* open_collator(int32_t lcid) {
  const std::string& locale = locale_for_lcid(lcid);
  if (locale.empty()) return nullptr;
  UErrorCode status = U_ZERO_ERROR;
  UCollator* collator = ucol_open(locale.c_str(), &status);
  if (U_FAILURE(status)) return nullptr;
  ucol_setStrength(collator, UCOL_SECONDARY);
  ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
  if (U_FAILURE(status)) {
    ucol_close(collator);
    return nullptr;
  }
  return collator;
}

// One collator per locale number, opened on first use and kept for the run.
const UCollator* collator_for(int32_t lcid) {
  static std::unordered_map<int32_t, CollatorHandle> collators;
  auto found = collators.find(lcid);
  if (found == collators.end()) {
    found = collators.emplace(lcid, CollatorHandle(open_collator(lcid))).first;
  }
  return found->second.get();
}

}  // namespace

bool collation_less(const char16_t* a, const char16_t* b) {
  const UCollator* collator = collator_for(collation_lcid);
  if (collator == nullptr) return false;
  return ucol_strcoll(collator, reinterpret_cast<const UChar*>(a), -1,
                      reinterpret_cast<const UChar*>(b), -1) == UCOL_LESS;
}

void append_collation_key(const char16_t* text, std::string& out) {
  const UCollator* collator = collator_for(collation_lcid);
  if (collator == nullptr) {
    out.push_back(0);
    return;
  }
  const size_t start = out.size();
  // Most keys fit a first guess; a longer one reports its size.
  size_t room = 64;
  for (;;) {
    out.resize(start + room);
    const int32_t length =
        ucol_getSortKey(collator, reinterpret_cast<const UChar*>(text), -1,
                        reinterpret_cast<uint8_t*>(out.data() + start), static_cast<int32_t>(room));
    if (length <= 0) {
      out.resize(start);
      out.push_back(0);
      return;
    }
    if (static_cast<size_t>(length) <= room) {
      out.resize(start + static_cast<size_t>(length));
      return;
    }
    room = static_cast<size_t>(length);
  }
}

}  // namespace vocarn
