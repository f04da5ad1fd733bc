// The abbreviation section: one "abbreviation  expansion" string per entry
// of the abbreviation file, each NUL-ended, in file order.
#pragma once

#include <cstdint>
#include <string>

#include "driver/errors.h"
#include "pack/source_reader.h"

namespace vocarn {

// Reads the file in text mode (no BOM is skipped) into `section`, counting
// the entries in `abbr`. Fails with the abbreviation file's own path.
void read_abbreviations(const char* abbr_path, char delete_char, LineBuffer& buffer,
                        ErrorText& error_text, std::string& section, uint32_t& abbr);

}  // namespace vocarn
