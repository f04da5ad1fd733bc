#include "format/file_crc.h"

#include <gtest/gtest.h>

#include "cli.h"
#include "kx_fixture.h"

namespace vocarn::testing {
namespace {

TEST(Checksum, IsAdler32StartedAtZero) {
  EXPECT_EQ(crc_of("abc", 3), 0x024A0126u);
  EXPECT_EQ(crc_of("", 0), 0u);
  std::string big(300000, '\0');
  for (size_t i = 0; i < big.size(); ++i)
    big[i] = static_cast<char>(i * 7 + i / 1000);
  EXPECT_EQ(crc_of(big.data(), big.size()), adler_from_zero(big));
}

TEST(Checksum, VerifyModeCoversAllButTheLastFourBytes) {
  TempDir dir;
  const std::string path = dir.file("f.kx");
  write_file(path, "\x01\x02\x03\x04");
  uint32_t stored = 7;
  bool failed = true;
  EXPECT_EQ(file_crc(path.c_str(), &stored, failed), 0u);
  EXPECT_FALSE(failed);
  EXPECT_EQ(stored, 0x04030201u);

  write_file(path, "abc");
  stored = 7;
  EXPECT_EQ(file_crc(path.c_str(), &stored, failed), 0u);
  EXPECT_FALSE(failed);
  EXPECT_EQ(stored, 7u);

  // Chunked reading gives the whole-range value past the 102,400-byte chunk.
  std::string content(250000, 'q');
  content[123456] = 'z';
  write_file(path, content + "WXYZ");
  EXPECT_EQ(file_crc(path.c_str(), &stored, failed), adler_from_zero(content));
  EXPECT_EQ(stored, read_le32("WXYZ", 0));
}

TEST(Checksum, EveryCoveredByteChangesIt) {
  TempDir dir;
  const std::string path = dir.file("f.kx");
  const std::string content = "some file content\x01\x02\x03\x04";
  write_file(path, content);
  uint32_t stored = 0;
  bool failed = false;
  const uint32_t original = file_crc(path.c_str(), &stored, failed);
  for (size_t i = 0; i < content.size(); ++i) {
    std::string changed = content;
    changed[i] = static_cast<char>(changed[i] ^ 0x20);
    write_file(path, changed);
    const uint32_t crc = file_crc(path.c_str(), &stored, failed);
    if (i + 4 < content.size()) {
      EXPECT_NE(crc, original) << i;
    } else {
      EXPECT_EQ(crc, original) << i;
    }
  }
}

TEST(Checksum, AppendModeWritesItAsTheLastFourBytes) {
  TempDir dir;
  const std::string path = dir.file("f.kx");
  write_file(path, "abc");
  bool failed = true;
  EXPECT_EQ(file_crc(path.c_str(), nullptr, failed), 0x024A0126u);
  EXPECT_FALSE(failed);
  const std::string after = read_file(path);
  ASSERT_EQ(after.size(), 7u);
  EXPECT_EQ(after.substr(0, 3), "abc");
  EXPECT_EQ(read_le32(after, 3), 0x024A0126u);
  uint32_t stored = 0;
  EXPECT_EQ(file_crc(path.c_str(), &stored, failed), stored);
}

TEST(Checksum, MissingFileFails) {
  bool failed = false;
  uint32_t stored = 0;
  EXPECT_EQ(file_crc("/no/such/file", &stored, failed), 0u);
  EXPECT_TRUE(failed);
  EXPECT_EQ(file_crc("/no/such/file", nullptr, failed), 0u);
  EXPECT_TRUE(failed);
}

}  // namespace
}  // namespace vocarn::testing
