// The command line: its forms, the option table and the usage text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vocarn {

struct RunOptions {
  int32_t cp1 = 1251;
  int32_t cp2 = 1251;
  int32_t ecp1 = -1;  // -1: the same as cp1, resolved by the packer
  int32_t ecp2 = -1;  // -1: the same as cp2
  int32_t lcid = 25;
  int32_t bc = 100;
  char delete_char = 0;  // 0: no character
  std::optional<std::string> abbr_path;
  bool lowercase = false;
  bool sort_words = true;
  bool no_auto_format = false;
  bool unpack_mode = false;
  bool usage_error = false;
};

enum class RunMode { USAGE, INFO, TEST, PACK, UNPACK };

// What the command line asks for: the mode, its file arguments and options.
struct CommandLine {
  RunMode mode = RunMode::USAGE;
  std::string first;   // the info or test file, or the source
  std::string second;  // the destination
  RunOptions options;
};

// Reads a decimal integer as the option values are read: leading white
// space, an optional sign, digits up to the first other byte, clamped to the
// 32-bit range; text without digits reads as 0.
int32_t read_option_integer(const char* text);

// Recognises the command form of the arguments after the program name.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

// Prints the 18 lines of the usage text.
void print_usage();

}  // namespace vocarn
