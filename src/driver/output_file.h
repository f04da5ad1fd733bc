// An output file whose every write, flush and close is checked: a failure
// (a full disk) is "error: can't write %s", never a silently short file.
#pragma once

#include <string>
#include <string_view>

#include "driver/errors.h"
#include "driver/file.h"

namespace vocarn {

class OutputFile {
 public:
  // Creates or truncates the file for binary writing; CANT_OPEN with its
  // path when that fails.
  OutputFile(const char* path, ErrorText& error_text);
  // On a failure path what was gathered still goes to the file, unchecked,
  // so the output written before the failure stays.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Small writes are gathered into one buffer; large ones go straight out.
  void write(std::string_view bytes);
  // Flushes and closes; a failure of either is "can't write".
  void close();

 private:
  void flush();

  const char* path_;
  ErrorText& error_text_;
  File file_;
  std::string pending_;
};

}  // namespace vocarn
