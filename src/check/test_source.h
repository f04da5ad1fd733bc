// The test mode: reports every void and every wrong line of a source text.
#pragma once

#include <cstdint>

#include "driver/errors.h"

namespace vocarn {

// Reads the whole file once. Returns 0 when no line is of wrong format,
// WRONG_FORMAT with the full report (warnings included) in the error text
// otherwise, CANT_OPEN when the file cannot be opened.
int test_source(int32_t& total_lines, const char* path, ErrorText& error_text,
                int32_t& total_errors);

}  // namespace vocarn
