// The one road of every failure: a message formatted into the error text,
// then a ToolError thrown to the mode's single handler.
#pragma once

#include <string>

namespace vocarn {

// Failure codes; a mode returns 0 or one of these.
enum ToolError : int {
  CANT_OPEN = 1,       // a file cannot be opened, read whole or written
  WRONG_FORMAT = 2,    // a source line, an abbreviation line or a .kx file is malformed
  INTERNAL_ERROR = 3,  // a compression call failed for a reason other than bad data
};

// The driver's error text: holds "OK" until a failure replaces it with one
// message. It grows as needed, so no message is ever cut.
using ErrorText = std::string;

// Replaces the error text with a printf-style message; never cuts it.
void format_error(ErrorText& error_text, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Each writes its message into the error text and throws its code.
[[noreturn]] void fail_open(ErrorText& error_text, const char* path);
[[noreturn]] void fail_format_at_line(ErrorText& error_text, const char* path, int line);
[[noreturn]] void fail_format(ErrorText& error_text, const char* path);
[[noreturn]] void fail_internal(ErrorText& error_text);
// A write, flush or close of an output file failed (a full disk): CANT_OPEN.
[[noreturn]] void fail_write(ErrorText& error_text, const char* path);

// Runs a mode's body under the one handler every mode uses: 0 on success,
// else the thrown code. Files owned by the body close as the stack unwinds.
template <typename Body>
int run_mode(Body&& body) {
  try {
    body();
    return 0;
  } catch (ToolError code) {
    return code;
  }
}

}  // namespace vocarn
