// Unpacking through the real binary: round trips, failures, and a sweep of
// damaged files.
#include <gtest/gtest.h>

#include <regex>

#include "cli.h"
#include "kx_fixture.h"
#include "kx_reader.h"

namespace vocarn::testing {
namespace {

class Unpack : public ::testing::Test {
 protected:
  TempDir dir_;
  std::string source_ = dir_.file("source.txt");
  std::string kx_ = dir_.file("dict.kx");
  std::string text_ = dir_.file("unpacked.txt");

  void pack(const std::string& text, std::vector<std::string> options = {}) {
    write_file(source_, text);
    options.push_back(source_);
    options.push_back(kx_);
    const CliResult r = run_cli(options);
    ASSERT_EQ(r.status, 0) << r.output;
  }

  CliResult unpack(std::vector<std::string> options = {}) {
    options.insert(options.begin(), "-u");
    options.push_back(kx_);
    options.push_back(text_);
    return run_cli(options);
  }
};

TEST_F(Unpack, WritesOneLinePerEntryInIndexOrder) {
  pack("b = two\nA  one\n\nc   three  with  spaces\n");
  const CliResult r = unpack();
  EXPECT_TRUE(std::regex_match(r.output, std::regex(R"(Unpack done \(3 words, \d+\.\d\d sec\))")))
      << r.output;
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(read_file(text_), "A  one\r\nb  two\r\nc   three  with  spaces\r\n");
}

std::string numbered_lines(int count, const char* line_end) {
  std::string text;
  char line[64];
  for (int i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "w%d  t%d%s", 1000 + i, i, line_end);
    text += line;
  }
  return text;
}

TEST_F(Unpack, ReachesEveryBlock) {
  pack(numbered_lines(250, "\n"), {"-ns", "-bc:100"});
  ASSERT_EQ(unpack().status, 0);
  EXPECT_EQ(read_file(text_), numbered_lines(250, "\r\n"));
}

TEST_F(Unpack, PackUnpackPackGivesTheSameFile) {
  const std::string abbr = dir_.file("abbr.txt");
  write_file(abbr, "ab = abbreviation\n\ncd  other\n");
  const std::string text =
      "\xFF\xE1\xEB\xEE\xEA\xEE  apple\r\n\xC4\xEE\xEC = house\r\nTree  "
      "\xE4\xE5\xF0\xE5\xE2\xEE\r\n"
      "\xE4\xEE\xEC  home\r\n\r\nz  last\r\n";
  const std::vector<std::vector<std::string>> option_sets = {
      {}, {"-ns"}, {"-l"}, {"-a:" + abbr}, {"-ns", "-bc:2", "-naf"}};
  for (const auto& options : option_sets) {
    pack(text, options);
    const std::string first = read_file(kx_);
    std::vector<std::string> unpack_options;
    const std::string abbr_out = dir_.file("abbr_out.txt");
    std::vector<std::string> repack = options;
    for (std::string& o : repack) {
      if (o.rfind("-a:", 0) == 0) {
        unpack_options.push_back("-a:" + abbr_out);
        o = "-a:" + abbr_out;
      }
    }
    ASSERT_EQ(unpack(unpack_options).status, 0);
    repack.push_back(text_);
    repack.push_back(kx_);
    ASSERT_EQ(run_cli(repack).status, 0);
    EXPECT_EQ(read_file(kx_), first) << (options.empty() ? "defaults" : options[0]);
  }
}

TEST_F(Unpack, LowerCasesLatinCapitalsOnly) {
  pack("AbC\xC4\xEE\xEC  Xy\n", {"-ns"});
  ASSERT_EQ(unpack({"-l"}).status, 0);
  EXPECT_EQ(read_file(text_), "abc\xC4\xEE\xEC  Xy\r\n");
}

TEST_F(Unpack, WritesAbbreviationsOnlyWhenAskedAndPresent) {
  const std::string abbr = dir_.file("abbr.txt");
  const std::string abbr_out = dir_.file("abbr_out.txt");
  pack("a  x\n");
  EXPECT_EQ(unpack({"-a:" + abbr_out}).status, 0);
  EXPECT_FALSE(file_exists(abbr_out));

  write_file(abbr, "ab = abbreviation\n");
  pack("a  x\n", {"-a:" + abbr});
  EXPECT_EQ(unpack().status, 0);
  EXPECT_FALSE(file_exists(abbr_out));
  EXPECT_EQ(unpack({"-a:" + abbr_out}).status, 0);
  EXPECT_EQ(read_file(abbr_out), "ab  abbreviation\r\n");
}

TEST_F(Unpack, AHeaderOfNoEntriesSucceedsWithNoLine) {
  KxFixture kx;
  kx.blocks = {std::string("\0", 1)};
  write_file(kx_, kx.build());
  const CliResult r = unpack();
  EXPECT_TRUE(std::regex_match(r.output, std::regex(R"(Unpack done \(0 words, \d+\.\d\d sec\))")))
      << r.output;
  EXPECT_EQ(read_file(text_), "");
}

KxFixture three_blocks() {
  KxFixture kx;
  kx.words = 5;
  kx.bc = 2;
  kx.word_index = std::string("a\0b\0c\0d\0e\0", 10);
  kx.blocks = {std::string("x1\0x2\0", 6), std::string("y1\0y2\0", 6), std::string("z1\0", 3)};
  kx.abbr = 1;
  kx.abbreviations = std::string("ab  abbreviation\0", 17);
  return kx;
}

TEST_F(Unpack, FailuresGiveTheirMessages) {
  const KxFixture good = three_blocks();
  const std::string bytes = good.build();
  const size_t zwords = zlib_compress(good.word_index).size();
  const size_t zabbr = zlib_compress(good.abbreviations).size();
  const size_t table = 50 + zwords + zabbr;
  const uint32_t block2 = read_le32(bytes, table + 8);

  KxFixture too_few_words = good;
  too_few_words.words = 6;
  KxFixture beyond_blocks = good;
  beyond_blocks.block_count_override = 2;
  beyond_blocks.blocks.pop_back();
  KxFixture short_block = good;
  short_block.blocks[1] = std::string("y1\0", 3);
  KxFixture zero_bc = good;
  zero_bc.bc = 0;
  KxFixture huge_size = good;
  huge_size.words_size_override = 0x7FFFFFFF;

  // An altered zlib check value: the last byte of block 2's stream.
  std::string bad_check = bytes;
  const uint32_t z2 = read_le32(bytes, block2 + 4);
  bad_check[block2 + 8 + z2 - 1] ^= 0x55;
  std::string bad_words = bytes;
  bad_words[50 + zwords - 1] ^= 0x55;

  const std::string wrong = "wrong format " + kx_ + "\n\n";
  auto at_line = [&](int line) {
    return "wrong format " + kx_ + ", line = " + std::to_string(line) + "\n\n";
  };
  struct Case {
    const char* name;
    std::string file;
    std::string message;
    std::string written;  // what the destination holds afterwards
  } cases[] = {
      {"not a .kx file", "plain text  here\n", wrong, ""},
      {"a corrupt word index", bad_words, wrong, ""},
      {"fewer words than counted", too_few_words.build(), wrong, ""},
      {"bc 0", zero_bc.build(), wrong, ""},
      {"an impossible uncompressed size", huge_size.build(), wrong, ""},
      {"an entry beyond block_count", beyond_blocks.build(), at_line(4),
       "a  x1\r\nb  x2\r\nc  y1\r\nd  y2\r\n"},
      {"a bad check value", bad_check, at_line(4), "a  x1\r\nb  x2\r\nc  y1\r\nd  y2\r\n"},
      {"a block with too few strings", short_block.build(), at_line(3),
       "a  x1\r\nb  x2\r\nc  y1\r\n"},
      {"a truncated block", bytes.substr(0, block2 + 10), at_line(4),
       "a  x1\r\nb  x2\r\nc  y1\r\nd  y2\r\n"},
  };
  for (const Case& c : cases) {
    write_file(kx_, c.file);
    const CliResult r = unpack();
    EXPECT_EQ(r.output, c.message) << c.name;
    EXPECT_EQ(r.status, 255) << c.name;
    EXPECT_EQ(read_file(text_), c.written) << c.name;
  }

  write_file(kx_, bytes);
  const std::string no_dir = dir_.file("no/such/dir/x.txt");
  CliResult r = unpack({"-a:" + no_dir});
  EXPECT_EQ(r.output, "error: can't open " + no_dir + "\n\n");
  EXPECT_EQ(r.status, 255);
  r = run_cli({"-u", kx_, no_dir});
  EXPECT_EQ(r.output, "error: can't open " + no_dir + "\n\n");
  r = run_cli({"-u", dir_.file("missing.kx"), text_});
  EXPECT_EQ(r.output, "error: can't open " + dir_.file("missing.kx") + "\n\n");
  r = run_cli({"-u", kx_, "/dev/full"});
  EXPECT_EQ(r.output, "error: can't write /dev/full\n\n");
  EXPECT_EQ(r.status, 255);
  // An output that is the .kx file itself is refused before it is touched.
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{"-u", kx_, kx_}, {"-u", "-a:" + kx_, kx_, text_}}) {
    r = run_cli(arguments);
    EXPECT_EQ(r.output, "error: can't open " + kx_ + "\n\n");
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(read_file(kx_), bytes);
  }
  r = unpack({"-a:/dev/full"});
  EXPECT_EQ(r.output, "error: can't write /dev/full\n\n");
  EXPECT_EQ(r.status, 255);
}

// Every truncation and every flipped byte of a small file gives success or
// one of the mode's messages; a crash or a sanitizer report fails the test.
TEST_F(Unpack, DamagedFilesNeverCrash) {
  const std::string bytes = three_blocks().build();
  const std::string abbr_out = dir_.file("abbr_out.txt");
  const std::regex allowed(
      "Unpack done \\(-?\\d+ words, \\d+\\.\\d\\d sec\\)|"
      "wrong format [^\\n]*\\n\\n|internal error\\n\\n");
  auto check = [&](const std::string& file, const std::string& what) {
    write_file(kx_, file);
    const CliResult r = unpack({"-a:" + abbr_out});
    EXPECT_TRUE(std::regex_match(r.output, allowed)) << what << ": " << r.output;
    EXPECT_TRUE(r.status == 0 || r.status == 255) << what << ": status " << r.status;
  };
  for (size_t length = 0; length < bytes.size(); ++length) {
    check(bytes.substr(0, length), "truncated to " + std::to_string(length));
  }
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::string flipped = bytes;
    flipped[i] = static_cast<char>(~flipped[i]);
    check(flipped, "byte " + std::to_string(i) + " flipped");
  }
}

}  // namespace
}  // namespace vocarn::testing
