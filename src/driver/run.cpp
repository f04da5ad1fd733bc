#include "driver/run.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "check/test_source.h"
#include "driver/errors.h"
#include "driver/options.h"
#include "format/info.h"
#include "pack/pack.h"
#include "unpack/unpack.h"

namespace vocarn {

namespace {

constexpr int kFailure = -1;

void print_error(const ErrorText& error_text) {
  std::printf("%s\n", error_text.c_str());
}

int run_info(const std::string& path, ErrorText& error_text) {
  FileHeader header;
  BlockStats stats;
  uint32_t crc = 0;
  uint32_t crc_r = 0;
  if (stats.read_info(error_text, path.c_str(), header, crc, crc_r) != 0) {
    print_error(error_text);
    return kFailure;
  }
  print_info(header, stats, crc, crc_r);
  return 0;
}

int run_test(const std::string& path, ErrorText& error_text) {
  int32_t total_lines = 0;
  int32_t total_errors = 0;
  if (test_source(total_lines, path.c_str(), error_text, total_errors) != 0) {
    print_error(error_text);
  }
  std::printf("\ntotal lines: %d\ntotal errors: %d", total_lines, total_errors);
  return 0;
}

// Times the mode by the wall clock in whole milliseconds and prints its
// report line ("Pack done" or "Unpack done") on success.
template <typename Mode>
int run_timed(const char* done, ErrorText& error_text, Mode&& mode) {
  int32_t word_count = 0;
  const auto start = std::chrono::steady_clock::now();
  if (mode(word_count) != 0) {
    print_error(error_text);
    return kFailure;
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::printf("%s (%d words, %.2f sec)", done, word_count,
              static_cast<double>(elapsed.count()) / 1000.0);
  return 0;
}

}  // namespace

int run_tool(int argc, char** argv) {
  ErrorText error_text = "OK";
  error_text.reserve(1024);
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CommandLine command = parse_command_line(arguments);
  const RunOptions& o = command.options;
  const char* abbr_path = o.abbr_path ? o.abbr_path->c_str() : nullptr;
  int status = 0;
  switch (command.mode) {
    case RunMode::USAGE:
      print_usage();
      status = kFailure;
      break;
    case RunMode::INFO:
      status = run_info(command.first, error_text);
      break;
    case RunMode::TEST:
      status = run_test(command.first, error_text);
      break;
    case RunMode::PACK:
      status = run_timed("Pack done", error_text, [&](int32_t& word_count) {
        return pack(abbr_path, command.second.c_str(), error_text, command.first.c_str(),
                    o.lowercase, o.sort_words, o.cp1, o.cp2, o.ecp1, o.ecp2, o.lcid, o.delete_char,
                    o.bc, o.no_auto_format, word_count);
      });
      break;
    case RunMode::UNPACK:
      status = run_timed("Unpack done", error_text, [&](int32_t& word_count) {
        return unpack(command.second.c_str(), error_text, command.first.c_str(), abbr_path,
                      o.lowercase, word_count);
      });
      break;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace vocarn
