// RAII owner of a C stream: every path out of a mode closes its files.
#pragma once

#include <cstdio>
#include <utility>

namespace vocarn {

class File {
 public:
  File() = default;
  File(const char* path, const char* mode) : stream_(std::fopen(path, mode)) {}
  ~File() { close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept : stream_(std::exchange(other.stream_, nullptr)) {}
  File& operator=(File&& other) noexcept {
    if (this != &other) {
      close();
      stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
  }

  bool is_open() const { return stream_ != nullptr; }
  std::FILE* get() const { return stream_; }

  // Closes the stream; false when the close (and its final flush) failed.
  bool close() {
    if (stream_ == nullptr) return true;
    const bool ok = std::fclose(stream_) == 0;
    stream_ = nullptr;
    return ok;
  }

 private:
  std::FILE* stream_ = nullptr;
};

// True when both paths name one existing file (one device and inode).
bool same_file(const char* a, const char* b);

}  // namespace vocarn
