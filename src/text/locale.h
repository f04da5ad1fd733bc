// Windows locale numbers as ICU locales.
#pragma once

#include <cstdint>
#include <string>

namespace vocarn {

// The ICU locale that the Windows locale number names, or "" when the
// number names none.
const std::string& locale_for_lcid(int32_t lcid);

}  // namespace vocarn
