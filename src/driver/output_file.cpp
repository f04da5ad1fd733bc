#include "driver/output_file.h"

namespace vocarn {

namespace {

constexpr size_t kGatherLimit = size_t{1} << 20;

}  // namespace

OutputFile::OutputFile(const char* path, ErrorText& error_text)
    : path_(path), error_text_(error_text), file_(path, "wb") {
  if (!file_.is_open()) fail_open(error_text, path);
}

OutputFile::~OutputFile() {
  if (file_.is_open() && !pending_.empty()) {
    std::fwrite(pending_.data(), 1, pending_.size(), file_.get());
  }
}

void OutputFile::write(std::string_view bytes) {
  if (pending_.size() + bytes.size() <= kGatherLimit) {
    pending_.append(bytes);
    return;
  }
  flush();
  if (bytes.size() < kGatherLimit) {
    pending_.append(bytes);
  } else if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
    fail_write(error_text_, path_);
  }
}

void OutputFile::close() {
  flush();
  if (std::fflush(file_.get()) != 0 || !file_.close()) fail_write(error_text_, path_);
}

void OutputFile::flush() {
  if (pending_.empty()) return;
  const bool written =
      std::fwrite(pending_.data(), 1, pending_.size(), file_.get()) == pending_.size();
  pending_.clear();
  if (!written) fail_write(error_text_, path_);
}

}  // namespace vocarn
