#include "driver/options.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace vocarn {

int32_t read_option_integer(const char* text) {
  const char* p = text;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
    ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  // Accumulate in 64 bits and stop growing once past the 32-bit range.
  constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (value <= limit) value = value * 10 + (*p - '0');
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

namespace {

bool begins_with(const std::string& argument, const char* prefix, const char** rest) {
  const size_t length = std::strlen(prefix);
  if (argument.compare(0, length, prefix) != 0) return false;
  *rest = argument.c_str() + length;
  return true;
}

// Applies one option; false when it is unknown or its value is rejected.
bool apply_option(const std::string& argument, RunOptions& options) {
  if (argument == "-naf") {
    options.no_auto_format = true;
  } else if (argument == "-u") {
    options.unpack_mode = true;
  } else if (argument == "-l") {
    options.lowercase = true;
  } else if (argument == "-ns") {
    options.sort_words = false;
  } else if (argument == "-s") {
    options.sort_words = true;
  } else {
    const char* rest = nullptr;
    if (begins_with(argument, "-a:", &rest)) {
      options.abbr_path = std::string(rest);
      return true;
    }
    if (begins_with(argument, "-dc:", &rest)) {
      options.delete_char = rest[0];
      return true;
    }
    struct IntegerOption {
      const char* prefix;
      int32_t RunOptions::*field;
    };
    static constexpr IntegerOption kIntegerOptions[] = {
        {"-bc:", &RunOptions::bc},     {"-cp1:", &RunOptions::cp1},   {"-cp2:", &RunOptions::cp2},
        {"-ecp1:", &RunOptions::ecp1}, {"-ecp2:", &RunOptions::ecp2}, {"-lcid:", &RunOptions::lcid},
    };
    for (const IntegerOption& option : kIntegerOptions) {
      if (begins_with(argument, option.prefix, &rest)) {
        const int32_t value = read_option_integer(rest);
        if (value == 0) return false;
        options.*option.field = value;
        return true;
      }
    }
    return false;
  }
  return true;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& arguments) {
  CommandLine command;
  const size_t count = arguments.size();
  if (count == 0) return command;
  if (count == 1) {
    command.mode = RunMode::INFO;
    command.first = arguments[0];
    return command;
  }
  if (count == 2) {
    if (arguments[0] == "-info") {
      command.mode = RunMode::INFO;
      command.first = arguments[1];
    } else if (arguments[0] == "-test") {
      command.mode = RunMode::TEST;
      command.first = arguments[1];
    } else {
      command.mode = RunMode::PACK;
      command.first = arguments[0];
      command.second = arguments[1];
    }
    return command;
  }
  for (size_t i = 0; i + 2 < count; ++i) {
    if (!apply_option(arguments[i], command.options)) {
      command.options.usage_error = true;
      return command;
    }
  }
  command.first = arguments[count - 2];
  command.second = arguments[count - 1];
  command.mode = command.options.unpack_mode ? RunMode::UNPACK : RunMode::PACK;
  return command;
}

void print_usage() {
  static const char* const kLines[] = {
      "Vocarn (Version 2.06) - make .kx file for Palvio",
      "usage: vocarn [options] source destination",
      "usage: vocarn [-info] file_kx",
      "usage: vocarn -test file_txt",
      "options:",
      "-cp1:n - codepage for words in the index (default n=1251)",
      "-ecp1:n - convert words in the index to codepage n",
      "-cp2:n - codepage for translations (default n=1251)",
      "-ecp2:n - convert translations to codepage n",
      "-lcid:n - collation (default n=25 for Russian)",
      "-s - turn on sorting words in the index (default)",
      "-ns - turn off sorting words in the index",
      "-dc:c - delete char 'c' from words in the index",
      "-u - unpack",
      "-l - convert words in the index to lowercase",
      "-a:source_abbr - use a file of abbreviations",
      "-bc:n - quantity of translations in a compression block, default n = 100",
      "-naf - don't use auto formatting",
  };
  for (const char* line : kLines)
    std::printf("%s\n", line);
}

}  // namespace vocarn
