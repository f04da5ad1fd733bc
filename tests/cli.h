// Runs the built vocarn binary as a user does and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace vocarn::testing {

struct CliResult {
  std::string output;  // standard output, byte for byte
  int status = 0;      // exit status as the shell sees it (-1 reads 255)
};

CliResult run_cli(const std::vector<std::string>& arguments);

// A fresh directory for one test, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);
bool file_exists(const std::string& path);

}  // namespace vocarn::testing
