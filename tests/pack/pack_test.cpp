// Packing through the real binary, checked with the tests' own reader.
#include <gtest/gtest.h>

#include <regex>

#include "cli.h"
#include "kx_reader.h"
#include "pack/pack.h"

namespace vocarn::testing {
namespace {

struct Packed {
  CliResult cli;
  KxContents kx;
};

class Pack : public ::testing::Test {
 protected:
  TempDir dir_;
  std::string source_ = dir_.file("source.txt");
  std::string destination_ = dir_.file("out.kx");

  Packed pack(const std::string& text, std::vector<std::string> options = {}) {
    write_file(source_, text);
    options.push_back(source_);
    options.push_back(destination_);
    Packed p;
    p.cli = run_cli(options);
    EXPECT_EQ(p.cli.status, 0) << p.cli.output;
    if (p.cli.status == 0) p.kx = read_kx(read_file(destination_));
    return p;
  }

  CliResult fail(const std::string& text, std::vector<std::string> options = {}) {
    write_file(source_, text);
    options.push_back(source_);
    options.push_back(destination_);
    return run_cli(options);
  }
};

// Cyrillic test words, in code page 1251.
const std::string kDom = "\xC4\xEE\xEC";                // Дом
const std::string kdom = "\xE4\xEE\xEC";                // дом
const std::string kYablo = "\xFF\xE1\xEB\xEE\xEA\xEE";  // яблоко
const std::string kAist = "\xC0\xE8\xF1\xF2";           // Аист
const std::string kBelka = "\xE1\xE5\xEB\xEA\xE0";      // белка

TEST_F(Pack, ReportsTheWordCountOfTheHeader) {
  const Packed p = pack("a  x\nb = y\n\nc  z\n");
  EXPECT_TRUE(std::regex_match(p.cli.output, std::regex(R"(Pack done \(3 words, \d+\.\d\d sec\))")))
      << p.cli.output;
  EXPECT_EQ(p.kx.words, 3u);
  EXPECT_EQ(p.kx.word_list, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(p.kx.translations, (std::vector<std::string>{"x", "y", "z"}));
}

TEST_F(Pack, FillsTheHeaderFromTheOptions) {
  const std::string abbr = dir_.file("abbr.txt");
  write_file(abbr, "ab  abbreviation\n");
  struct Case {
    std::vector<std::string> options;
    uint32_t flags;
  } cases[] = {
      {{}, 0x6},
      {{"-ns"}, 0x4},
      {{"-a:" + abbr}, 0x7},
      {{"-naf"}, 0xE},
      {{"-ns", "-naf", "-a:" + abbr}, 0xD},
  };
  for (const Case& c : cases) {
    const Packed p = pack("a  x\n", c.options);
    EXPECT_EQ(p.kx.flags, c.flags);
    EXPECT_EQ(p.kx.version, 5u);
    EXPECT_EQ(p.kx.bc, 100u);
    EXPECT_EQ(p.kx.cp1, 1251);
    EXPECT_EQ(p.kx.cp2, 1251);
    EXPECT_EQ(p.kx.lcid, 25);
  }
  const Packed p = pack("a  x\n", {"-cp1:866", "-cp2:1252", "-lcid:1049", "-ns"});
  EXPECT_EQ(p.kx.cp1, 866);
  EXPECT_EQ(p.kx.cp2, 1252);
  EXPECT_EQ(p.kx.lcid, 1049);
}

TEST_F(Pack, StoresWordsInTheEncodedCodePage) {
  const Packed p = pack(kDom + "  " + kdom + "\n", {"-ecp1:65001"});
  EXPECT_EQ(p.kx.cp1, 65001);
  EXPECT_EQ(p.kx.cp2, 1251);
  EXPECT_EQ(p.kx.word_list, std::vector<std::string>{"\xD0\x94\xD0\xBE\xD0\xBC"});
  EXPECT_EQ(p.kx.translations, std::vector<std::string>{kdom});
  const Packed q = pack(kDom + "  " + kdom + "\n", {"-ecp2:20866", "-ns"});
  EXPECT_EQ(q.kx.cp2, 20866);
  EXPECT_EQ(q.kx.translations, std::vector<std::string>{"\xC4\xCF\xCD"});
  const Packed r = pack(kDom + "  x\n", {"-ecp1:1252"});
  EXPECT_EQ(r.kx.word_list, std::vector<std::string>{"???"});
}

TEST_F(Pack, UnknownCodePagesEmptyWhatTheyConvert) {
  const std::string text = kYablo + "  1\n" + kAist + "  2\n";
  // An unknown stored code page empties the words; the keys still sort.
  Packed p = pack(text, {"-ecp1:12345"});
  EXPECT_EQ(p.kx.word_list, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(p.kx.translations, (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(p.kx.cp1, 12345);
  // An unknown source code page of the translations empties them in sorted
  // mode, and in unsorted mode whenever they are converted.
  p = pack(text, {"-cp2:12345"});
  EXPECT_EQ(p.kx.translations, (std::vector<std::string>{"", ""}));
  p = pack(text, {"-ns", "-cp2:12345"});
  EXPECT_EQ(p.kx.translations, (std::vector<std::string>{"1", "2"}));
  p = pack(text, {"-ns", "-cp2:12345", "-ecp2:1251"});
  EXPECT_EQ(p.kx.translations, (std::vector<std::string>{"", ""}));
}

std::string numbered_source(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "w%04d  t%04d\n", i, i);
    text += line;
  }
  return text;
}

TEST_F(Pack, CutsTranslationsIntoBlocks) {
  struct Case {
    std::string bc;
    uint32_t stored_bc;
    std::vector<uint32_t> blocks;
  } cases[] = {
      {"-bc:100", 100, {100, 100, 50}},
      {"-bc:125", 125, {125, 125}},
      {"-bc:-1", 0xFFFFFFFFu, {250}},
      {"-bc:-5", 0xFFFFFFFBu, {250}},
  };
  for (const Case& c : cases) {
    const Packed p = pack(numbered_source(250), {c.bc});
    EXPECT_EQ(p.kx.bc, c.stored_bc);
    EXPECT_EQ(p.kx.block_count, c.blocks.size());
    EXPECT_EQ(p.kx.entries_per_block, c.blocks);
    ASSERT_EQ(p.kx.words, 250u);
    EXPECT_EQ(p.kx.word_list[205], "w0205");
    EXPECT_EQ(p.kx.translations[205], "t0205");
  }
  const Packed one = pack(numbered_source(5), {"-bc:1"});
  EXPECT_EQ(one.kx.entries_per_block, (std::vector<uint32_t>{1, 1, 1, 1, 1}));
  EXPECT_EQ(one.kx.translations[3], "t0003");
}

// The Russian collation orders Cyrillic letters before Latin ones.
TEST_F(Pack, SortsByRussianCollationIgnoringCase) {
  const std::string text =
      kYablo + "  1\n" + kBelka + "  2\n" + kAist + "  3\n" + kdom + "  4\n" + "b  5\nA  6\n";
  const Packed sorted = pack(text);
  EXPECT_EQ(sorted.kx.word_list, (std::vector<std::string>{kAist, kBelka, kdom, kYablo, "A", "b"}));
  EXPECT_EQ(sorted.kx.translations, (std::vector<std::string>{"3", "2", "4", "1", "6", "5"}));
  const Packed unsorted = pack(text, {"-ns"});
  EXPECT_EQ(unsorted.kx.word_list,
            (std::vector<std::string>{kYablo, kBelka, kAist, kdom, "b", "A"}));
}

TEST_F(Pack, KeepsEveryDuplicateInSourceOrder) {
  const Packed p =
      pack(kdom + "  first\n" + kDom + "  second\n" + kAist + "  x\n" + kdom + "  third\n");
  EXPECT_EQ(p.kx.word_list, (std::vector<std::string>{kAist, kdom, kDom, kdom}));
  EXPECT_EQ(p.kx.translations, (std::vector<std::string>{"x", "first", "second", "third"}));
  const Packed q = pack(kDom + "  second\n" + kdom + "  first\n");
  EXPECT_EQ(q.kx.translations, (std::vector<std::string>{"second", "first"}));
}

TEST_F(Pack, LowerCasesCyrillicWords) {
  const Packed p = pack(kDom + "  " + kDom + "\nTREE  x\n", {"-l"});
  EXPECT_EQ(p.kx.word_list, (std::vector<std::string>{kdom, "tree"}));
  EXPECT_EQ(p.kx.translations[0], kDom) << "translations are never lower-cased";
}

TEST_F(Pack, RemovesTheDeleteCharacterFromWordsOnly) {
  const Packed p = pack("ab'c'd  x'y\n", {"-dc:'"});
  EXPECT_EQ(p.kx.word_list, std::vector<std::string>{"abc'd"});
  EXPECT_EQ(p.kx.translations, std::vector<std::string>{"x'y"});
}

TEST_F(Pack, SkipsTheSourceByteOrderMarkButNotTheAbbreviations) {
  const std::string abbr = dir_.file("abbr.txt");
  write_file(abbr,
             "\xEF\xBB\xBF"
             "ab  abbreviation\r\n\r\ncd = second one\r\n");
  const Packed p = pack(
      "\xEF\xBB\xBF"
      "a  x\r\n",
      {"-a:" + abbr});
  EXPECT_EQ(p.kx.word_list, std::vector<std::string>{"a"});
  EXPECT_EQ(p.kx.abbr, 2u);
  EXPECT_EQ(p.kx.abbreviations, (std::vector<std::string>{"\xEF\xBB\xBF"
                                                          "ab  abbreviation",
                                                          "cd  second one"}));
  EXPECT_EQ(p.kx.abbr_size, 19u + 1 + 14 + 1);
}

TEST_F(Pack, AnAbbreviationFileWithoutEntriesIsLeftOut) {
  const std::string abbr = dir_.file("abbr.txt");
  write_file(abbr, "\n  \nx\n");
  const Packed p = pack("a  x\n", {"-a:" + abbr});
  EXPECT_EQ(p.kx.flags, 0x6u);
  EXPECT_EQ(p.kx.abbr, 0u);
  EXPECT_EQ(p.kx.abbr_size, 0u);
  EXPECT_EQ(p.kx.abbr_zsize, 0u);
}

TEST_F(Pack, SourceAndDestinationMayBeTheSameFile) {
  write_file(source_, "a  x\nb  y\n");
  const CliResult r = run_cli({source_, source_});
  EXPECT_EQ(r.status, 0) << r.output;
  const KxContents kx = read_kx(read_file(source_));
  EXPECT_EQ(kx.word_list, (std::vector<std::string>{"a", "b"}));
}

TEST_F(Pack, FailuresLeaveTheDestinationAlone) {
  const std::string abbr = dir_.file("abbr.txt");
  const std::string bad_abbr = dir_.file("bad_abbr.txt");
  write_file(bad_abbr, "ab  x\n\nwrong\n");
  struct Case {
    const char* name;
    std::string source;
    std::vector<std::string> options;
    std::string message;
  } cases[] = {
      {"a wrong line", "a  x\n\n\nwrong line\n", {}, "wrong format " + source_ + ", line = 4\n\n"},
      {"a wrong line after a BOM",
       "\xEF\xBB\xBF"
       "wrong\n",
       {},
       "wrong format " + source_ + ", line = 1\n\n"},
      {"no entries", "\n\nx\n", {}, "error: no entries in " + source_ + "\n\n"},
      {"an empty source", "", {}, "error: no entries in " + source_ + "\n\n"},
      {"a missing abbreviation file",
       "a  x\n",
       {"-a:" + abbr},
       "error: can't open " + abbr + "\n\n"},
      {"a wrong abbreviation line",
       "a  x\n",
       {"-a:" + bad_abbr},
       "wrong format " + bad_abbr + ", line = 3\n\n"},
      {"an empty abbreviation name", "a  x\n", {"-a:"}, "error: can't open \n\n"},
  };
  for (const Case& c : cases) {
    write_file(destination_, "old contents");
    const CliResult r = fail(c.source, c.options);
    EXPECT_EQ(r.output, c.message) << c.name;
    EXPECT_EQ(r.status, 255) << c.name;
    EXPECT_EQ(read_file(destination_), "old contents") << c.name;
  }
}

TEST_F(Pack, FailuresNameTheirFile) {
  const std::string missing = dir_.file("missing.txt");
  CliResult r = run_cli({missing, destination_});
  EXPECT_EQ(r.output, "error: can't open " + missing + "\n\n");
  EXPECT_EQ(r.status, 255);
  EXPECT_FALSE(file_exists(destination_));

  write_file(source_, "a  x\n");
  const std::string uncreatable = dir_.file("no/such/dir/out.kx");
  r = run_cli({source_, uncreatable});
  EXPECT_EQ(r.output, "error: can't open " + uncreatable + "\n\n");
  EXPECT_EQ(r.status, 255);

  r = run_cli({source_, "/dev/full"});
  EXPECT_EQ(r.output, "error: can't write /dev/full\n\n");
  EXPECT_EQ(r.status, 255);
}

TEST(PackSize, RefusesFilesOf2GiBAndMore) {
  struct Case {
    uint64_t total;
    uint64_t largest_section;
    int code;
  } cases[] = {
      {kMaxKxSize, UINT32_MAX, 0},
      {kMaxKxSize + 1, 100, WRONG_FORMAT},
      {1000, uint64_t{UINT32_MAX} + 1, WRONG_FORMAT},
  };
  for (const Case& c : cases) {
    ErrorText text = "OK";
    EXPECT_EQ(run_mode([&] { check_kx_size(c.total, c.largest_section, "d.kx", text); }), c.code);
    EXPECT_EQ(text, c.code == 0 ? "OK" : "error: d.kx is too large for the .kx format\n");
  }
}

TEST(PackSample, PacksTheBundledDictionary) {
  TempDir dir;
  const std::string destination = dir.file("ru_en.kx");
  const CliResult r =
      run_cli({"-a:" VOCARN_EXAMPLES "/ru_en_abbr.txt", VOCARN_EXAMPLES "/ru_en.txt", destination});
  ASSERT_EQ(r.status, 0) << r.output;
  const KxContents kx = read_kx(read_file(destination));
  EXPECT_EQ(kx.words, 44u);
  EXPECT_EQ(kx.abbr, 4u);
  EXPECT_EQ(kx.flags, 0x7u);
}

}  // namespace
}  // namespace vocarn::testing
