#include "text/code_page.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <unordered_map>

namespace vocarn {

namespace {

// Windows code page numbers whose converter is not found as "windows-N".
// UTF-16 and UTF-32 (1200, 1201, 12000, 12001) are left out on purpose: a
// NUL-terminated byte string cannot carry them.
struct NamedCodePage {
  int32_t number;
  const char* name;
};
constexpr NamedCodePage kExplicitNames[] = {
    {860, "ibm-860"}, {863, "ibm-863"}, {864, "ibm-864"}, {865, "ibm-865"}, {28591, "ISO-8859-1"},
};

bool is_excluded(int32_t number) {
  return number == 1200 || number == 1201 || number == 12000 || number == 12001;
}

// One opened converter per code page, kept for the run. The IBM tables of
// the PC code pages rotate 0x1A, 0x1C and 0x7F among the control codes;
// the Windows tables map those bytes to themselves, so the layer undoes it.
struct Converter {
  UConverter* handle = nullptr;
  bool rotated_controls = false;
  bool identity_round_trip = false;
};

// A single-byte table converts each byte on its own; when every byte 0x01 to
// 0xFF decodes to one unit that encodes back to it, a round trip of any text
// gives that text unchanged.
bool round_trips_every_byte(UConverter* handle) {
  if (ucnv_getType(handle) != UCNV_SBCS) return false;
  for (int b = 1; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    UChar unit[2] = {};
    char back[4] = {};
    UErrorCode status = U_ZERO_ERROR;
    if (ucnv_toUChars(handle, unit, 2, &byte, 1, &status) != 1 || U_FAILURE(status)) return false;
    if (ucnv_fromUChars(handle, back, 4, unit, 1, &status) != 1 || U_FAILURE(status) ||
        back[0] != byte) {
      return false;
    }
  }
  return true;
}

// Decoding: the unit the table gave for 0x1A, 0x1C or 0x7F back to the byte's own.
char16_t unrotate(char16_t c) {
  switch (c) {
    case 0x1C:
      return 0x1A;
    case 0x7F:
      return 0x1C;
    case 0x1A:
      return 0x7F;
    default:
      return c;
  }
}

// Encoding: the byte the table gave for U+001A, U+001C or U+007F back to its own.
char rotate(char c) {
  switch (c) {
    case 0x1A:
      return 0x1C;
    case 0x1C:
      return 0x7F;
    case 0x7F:
      return 0x1A;
    default:
      return c;
  }
}

UConverter* open_converter(int32_t number) {
  if (is_excluded(number)) return nullptr;
  std::string name = "windows-" + std::to_string(number);
  for (const NamedCodePage& entry : kExplicitNames) {
    if (entry.number == number) name = entry.name;
  }
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(name.c_str(), &status);
  if (U_FAILURE(status)) return nullptr;
  ucnv_setSubstChars(converter, "?", 1, &status);
  ucnv_setFallback(converter, true);
  return converter;
}

class ConverterCache {
 public:
  ~ConverterCache() {
    for (auto& [number, converter] : converters_) {
      if (converter.handle != nullptr) ucnv_close(converter.handle);
    }
  }

  const Converter& get(int32_t number) {
    auto found = converters_.find(number);
    if (found != converters_.end()) return found->second;
    Converter converter;
    converter.handle = open_converter(number);
    if (converter.handle != nullptr) {
      const char byte = 0x1A;
      UChar unit = 0;
      UErrorCode status = U_ZERO_ERROR;
      ucnv_toUChars(converter.handle, &unit, 1, &byte, 1, &status);
      converter.rotated_controls = U_SUCCESS(status) && unit == 0x1C;
      converter.identity_round_trip = round_trips_every_byte(converter.handle);
    }
    return converters_.emplace(number, converter).first->second;
  }

 private:
  std::unordered_map<int32_t, Converter> converters_;
};

// Converters are opened on first use and reused for the rest of the run:
// opening one per string would cost more than the conversions themselves.
const Converter& converter_for(int32_t number) {
  static ConverterCache cache;
  return cache.get(number);
}

// Runs one conversion call into `out` with room for `estimate` units, and
// once more with the reported size if that was short; on success `out` holds
// the converted units and one counted NUL. ICU counts in 32-bit lengths, so
// a text beyond that range is refused like an unknown code page.
template <typename Unit, typename Call>
void convert(size_t input_length, size_t estimate, std::basic_string<Unit>& out, Call call) {
  constexpr size_t kLimit = 0x7FFFFFF0;
  if (input_length > kLimit || estimate > kLimit) {
    out.clear();
    return;
  }
  out.resize(estimate);
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = call(out.data(), static_cast<int32_t>(out.size()), &status);
  if (status == U_BUFFER_OVERFLOW_ERROR || status == U_STRING_NOT_TERMINATED_WARNING) {
    out.resize(static_cast<size_t>(length) + 1);
    status = U_ZERO_ERROR;
    length = call(out.data(), static_cast<int32_t>(out.size()), &status);
  }
  if (U_FAILURE(status)) {
    out.clear();
    return;
  }
  out.resize(static_cast<size_t>(length) + 1);
  out[static_cast<size_t>(length)] = 0;
}

}  // namespace

bool is_known_code_page(int32_t code_page) {
  return converter_for(code_page).handle != nullptr;
}

bool round_trip_is_identity(int32_t code_page) {
  return converter_for(code_page).identity_round_trip;
}

void decode_code_page(std::string_view text, int32_t code_page, std::u16string& out) {
  text = text.substr(0, std::min(text.size(), text.find('\0')));
  const Converter& converter = converter_for(code_page);
  if (converter.handle == nullptr) {
    out.clear();
    return;
  }
  // A byte never gives more than one UTF-16 unit in the common tables.
  convert(text.size(), text.size() + 1, out, [&](char16_t* to, int32_t room, UErrorCode* status) {
    return ucnv_toUChars(converter.handle, reinterpret_cast<UChar*>(to), room, text.data(),
                         static_cast<int32_t>(text.size()), status);
  });
  if (converter.rotated_controls) {
    for (char16_t& c : out)
      c = unrotate(c);
  }
}

void encode_code_page(std::u16string_view text, int32_t code_page, std::string& out) {
  text = text.substr(0, std::min(text.size(), text.find(u'\0')));
  const Converter& converter = converter_for(code_page);
  if (converter.handle == nullptr) {
    out.clear();
    return;
  }
  const size_t estimate = text.size() * ucnv_getMaxCharSize(converter.handle) + 1;
  convert(text.size(), estimate, out, [&](char* to, int32_t room, UErrorCode* status) {
    return ucnv_fromUChars(converter.handle, to, room, reinterpret_cast<const UChar*>(text.data()),
                           static_cast<int32_t>(text.size()), status);
  });
  if (converter.rotated_controls) {
    for (char& c : out)
      c = rotate(c);
  }
}

}  // namespace vocarn
