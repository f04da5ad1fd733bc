#include "check/test_source.h"

#include <string>

#include "driver/file.h"
#include "pack/source_reader.h"

namespace vocarn {

int test_source(int32_t& total_lines, const char* path, ErrorText& error_text,
                int32_t& total_errors) {
  total_lines = 0;
  total_errors = 0;
  std::string report;
  return run_mode([&] {
    File source(path, "rb");
    if (!source.is_open()) fail_open(error_text, path);
    skip_utf8_bom(source.get());
    LineBuffer buffer;
    ParsedLine parsed;
    int32_t line = 0;
    while (read_line(buffer, source.get())) {
      const LineKind kind = parse_line(buffer.data(), 0, parsed);
      ++line;
      if (kind == LINE_VOID) {
        format_error(error_text, "warning: void line, line = %d\n", line);
        report += error_text;
      } else if (kind == LINE_WRONG_FORMAT) {
        format_error(error_text, "error: wrong format, line = %d\n", line);
        report += error_text;
        ++total_errors;
      }
    }
    total_lines = line;
    if (total_errors > 0) {
      error_text = std::move(report);
      throw WRONG_FORMAT;
    }
  });
}

}  // namespace vocarn
