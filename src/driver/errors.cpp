#include "driver/errors.h"

#include <cstdarg>
#include <cstdio>

namespace vocarn {

void format_error(ErrorText& error_text, const char* format, ...) {
  // Measured first, then written into exactly that room: never cut.
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  if (length < 0) {
    error_text.clear();
    return;
  }
  error_text.resize(static_cast<size_t>(length));
  va_start(args, format);
  std::vsnprintf(error_text.data(), error_text.size() + 1, format, args);
  va_end(args);
}

void fail_open(ErrorText& error_text, const char* path) {
  format_error(error_text, "error: can't open %s\n", path);
  throw CANT_OPEN;
}

void fail_format_at_line(ErrorText& error_text, const char* path, int line) {
  format_error(error_text, "wrong format %s, line = %d\n", path, line);
  throw WRONG_FORMAT;
}

void fail_format(ErrorText& error_text, const char* path) {
  format_error(error_text, "wrong format %s\n", path);
  throw WRONG_FORMAT;
}

void fail_internal(ErrorText& error_text) {
  format_error(error_text, "internal error\n");
  throw INTERNAL_ERROR;
}

void fail_write(ErrorText& error_text, const char* path) {
  format_error(error_text, "error: can't write %s\n", path);
  throw CANT_OPEN;
}

}  // namespace vocarn
