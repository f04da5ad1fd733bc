// The info report and its failures, through the real binary, on files that
// the tests' own writer builds.
#include <gtest/gtest.h>

#include <cstring>

#include "cli.h"
#include "kx_fixture.h"

namespace vocarn::testing {
namespace {

KxFixture two_words() {
  KxFixture kx;
  kx.words = 2;
  kx.word_index = std::string("a\0b\0", 4);
  kx.blocks = {std::string("x\0y\0", 4)};
  return kx;
}

std::string block_lines(size_t size, size_t zsize) {
  const std::string s = std::to_string(size);
  const std::string z = std::to_string(zsize);
  return "min_tbi_size = " + s + "\nmin_tbi_zsize = " + z + "\nmax_tbi_size = " + s +
         "\nmax_tbi_zsize = " + z + "\nmid_tbi_size = " + s + "\nmid_tbi_zsize = " + z + "\n";
}

CliResult info_of(const TempDir& dir, const std::string& bytes) {
  const std::string path = dir.file("f.kx");
  write_file(path, bytes);
  return run_cli({"-info", path});
}

TEST(Info, ReportsEachHeaderVersion) {
  TempDir dir;
  const size_t zwords = zlib_compress(std::string("a\0b\0", 4)).size();
  const size_t zblock = zlib_compress(std::string("x\0y\0", 4)).size();
  const std::string tail = "words_size = 4\nwords_zsize = " + std::to_string(zwords) +
                           "\nblock_count = 1\n" + block_lines(4, zblock);
  struct Case {
    uint16_t version;
    uint32_t bc;
    std::string expected;
  } cases[] = {
      {2, 7,
       "CRC - valid\nversion = 2\nwords = 2\nbc = 100\nabbr = not present\n"
       "cp1 = 1251\ncp2 = 1251\nlcid = 25\n\n\nflags = 0x4\n" +
           tail},
      {3, 7,
       "CRC - valid\nversion = 3\nwords = 2\nbc = 7\nabbr = not present\n"
       "cp1 = 1251\ncp2 = 1251\nlcid = 25\n\n\nflags = 0x4\n" +
           tail},
      {4, 7,
       "CRC - valid\nversion = 4\nwords = 2\nbc = 7\nabbr = not present\n"
       "cp1 = 866\ncp2 = 1252\nlcid = 1049\n\n\nflags = 0x4\n" +
           tail},
      {5, 7,
       "CRC - valid\nversion = 5\nwords = 2\nbc = 7\nabbr = not present\n"
       "cp1 = 866\ncp2 = 1252\nlcid = 1049\n\n\nflags = 0x4\n" +
           tail},
  };
  for (const Case& c : cases) {
    KxFixture kx = two_words();
    kx.version = c.version;
    kx.bc = c.bc;
    kx.cp1 = 866;
    kx.cp2 = 1252;
    kx.lcid = 1049;
    const CliResult r = info_of(dir, kx.build());
    EXPECT_EQ(r.output, c.expected) << c.version;
    EXPECT_EQ(r.status, 0);
  }
}

TEST(Info, OneArgumentGivesTheSameReport) {
  TempDir dir;
  const std::string path = dir.file("f.kx");
  write_file(path, two_words().build());
  const CliResult a = run_cli({path});
  EXPECT_EQ(a.output, run_cli({"-info", path}).output);
  EXPECT_EQ(a.status, 0);
}

TEST(Info, FlagsChooseTheirLines) {
  TempDir dir;
  KxFixture kx = two_words();
  kx.flags = 0x2 | 0x8;  // no checksum flag: no checksum line
  kx.abbr = 1;
  kx.abbreviations = std::string("ab  abbreviation\0", 17);
  const size_t zabbr = zlib_compress(kx.abbreviations).size();
  const CliResult r = info_of(dir, kx.build());
  const std::string head =
      "version = 5\nwords = 2\nbc = 100\nabbr = present\nsorted\ndont auto format\n"
      "cp1 = 1251\ncp2 = 1251\nlcid = 25\n\n\nflags = 0xa\nwords_size = 4\nwords_zsize = ";
  ASSERT_EQ(r.output.substr(0, head.size()), head) << r.output;
  EXPECT_NE(r.output.find("\nabbr_size = 17\nabbr_zsize = " + std::to_string(zabbr) +
                          "\nblock_count = 1\n"),
            std::string::npos)
      << r.output;
}

TEST(Info, WrongChecksumIsReportedNotRefused) {
  TempDir dir;
  std::string bytes = two_words().build();
  const uint32_t good = read_le32(bytes, bytes.size() - 4);
  bytes[bytes.size() - 6] ^= 0x01;  // inside the block's compressed data
  const uint32_t bad = adler_from_zero(bytes.substr(0, bytes.size() - 4));
  const CliResult r = info_of(dir, bytes);
  char line[80];
  std::snprintf(line, sizeof line, "WRONG CRC!!! crc=%x, crc_r=%x\nversion = 5\n", bad, good);
  EXPECT_EQ(r.output.substr(0, std::strlen(line)), line);
  EXPECT_EQ(r.status, 0);
}

TEST(Info, BlockStatisticsUseTheMidpoint) {
  TempDir dir;
  KxFixture kx;
  kx.words = 2;
  kx.bc = 1;
  kx.word_index = std::string("a\0b\0", 4);
  kx.blocks = {std::string(999, 'x') + '\0', std::string(1002, 'y') + '\0'};
  const size_t z0 = zlib_compress(kx.blocks[0]).size();
  const size_t z1 = zlib_compress(kx.blocks[1]).size();
  const CliResult r = info_of(dir, kx.build());
  const size_t zmin = std::min(z0, z1), zmax = std::max(z0, z1);
  const std::string expected =
      "block_count = 2\nmin_tbi_size = 1000\nmin_tbi_zsize = " + std::to_string(zmin) +
      "\nmax_tbi_size = 1003\nmax_tbi_zsize = " + std::to_string(zmax) +
      "\nmid_tbi_size = 1001\nmid_tbi_zsize = " + std::to_string(zmin + (zmax - zmin) / 2) + "\n";
  EXPECT_NE(r.output.find(expected), std::string::npos) << r.output;
}

TEST(Info, LargeFieldsPrintNegative) {
  TempDir dir;
  KxFixture kx = two_words();
  kx.words = 0x80000000u;
  kx.bc = 0xFFFFFFFFu;
  kx.cp1 = -1;
  const CliResult r = info_of(dir, kx.build());
  EXPECT_NE(r.output.find("words = -2147483648\nbc = -1\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("cp1 = -1\n"), std::string::npos);
}

TEST(Info, FailuresGiveTheirMessages) {
  TempDir dir;
  const std::string path = dir.file("f.kx");
  const std::string good = two_words().build();
  const size_t table_at = 50 + zlib_compress(std::string("a\0b\0", 4)).size();

  auto with_u32 = [](std::string bytes, size_t at, uint32_t value) {
    std::string v;
    le32(v, value);
    bytes.replace(at, 4, v);
    return bytes;
  };
  KxFixture v1 = two_words();
  v1.version = 1;
  KxFixture v6 = two_words();
  v6.version = 6;
  KxFixture no_blocks = two_words();
  no_blocks.block_count_override = 0;
  KxFixture many_blocks = two_words();
  many_blocks.block_count_override = 1000;

  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"version 1", v1.build()},
      {"version 6", v6.build()},
      {"a truncated header", good.substr(0, 49)},
      {"a truncated version 2 header", std::string("\x02\x00", 2) + std::string(30, '\0')},
      {"block_count 0", no_blocks.build()},
      {"a short table", good.substr(0, table_at + 2)},
      {"a table that claims too many blocks", many_blocks.build()},
      {"a table value beyond the end", with_u32(good, table_at, 0x7FFFFFF0)},
      {"a short block prefix", good.substr(0, table_at + 4 + 5)},
      {"2^32 - 1 blocks in a small file", with_u32(good, 18, 0xFFFFFFFFu)},
      {"sections reaching past the end", with_u32(good, 10, 0xFFFFFF00u)},
  };
  for (const Case& c : cases) {
    write_file(path, c.bytes);
    const CliResult r = run_cli({path});
    EXPECT_EQ(r.output, "wrong format " + path + "\n\n") << c.name;
    EXPECT_EQ(r.status, 255) << c.name;
  }

  const CliResult missing = run_cli({"-info", dir.file("none.kx")});
  EXPECT_EQ(missing.output, "error: can't open " + dir.file("none.kx") + "\n\n");
  EXPECT_EQ(missing.status, 255);
}

}  // namespace
}  // namespace vocarn::testing
