#include "driver/options.h"

#include <gtest/gtest.h>

namespace vocarn {
namespace {

TEST(ReadOptionInteger, ReadsAsTheCommandLineDoes) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"7", 7},
      {" 7", 7},
      {"\t\n+42", 42},
      {"-5", -5},
      {"12ab", 12},
      {"ab", 0},
      {"", 0},
      {"-", 0},
      {"0", 0},
      {"00017", 17},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"99999999999999999999", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"-99999999999999999999", -2147483647 - 1},
      {"1 2", 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(read_option_integer(c.text), c.value) << c.text;
}

CommandLine parse(std::vector<std::string> arguments) {
  return parse_command_line(arguments);
}

TEST(ParseCommandLine, ChoosesTheForm) {
  struct Case {
    std::vector<std::string> arguments;
    RunMode mode;
    std::string first;
    std::string second;
  } cases[] = {
      {{}, RunMode::USAGE, "", ""},
      {{"a.kx"}, RunMode::INFO, "a.kx", ""},
      {{"-info"}, RunMode::INFO, "-info", ""},
      {{"-test"}, RunMode::INFO, "-test", ""},
      {{"-u"}, RunMode::INFO, "-u", ""},
      {{"-info", "a.kx"}, RunMode::INFO, "a.kx", ""},
      {{"-test", "a.txt"}, RunMode::TEST, "a.txt", ""},
      {{"-INFO", "a.kx"}, RunMode::PACK, "-INFO", "a.kx"},
      {{"-infox", "a.kx"}, RunMode::PACK, "-infox", "a.kx"},
      {{"-u", "a.kx"}, RunMode::PACK, "-u", "a.kx"},
      {{"-u", "a.kx", "a.txt"}, RunMode::UNPACK, "a.kx", "a.txt"},
      {{"-l", "a.txt", "-u"}, RunMode::PACK, "a.txt", "-u"},
      {{"-info", "a.kx", "b"}, RunMode::USAGE, "", ""},
      {{"-test", "a.txt", "b"}, RunMode::USAGE, "", ""},
      {{"-U", "a", "b"}, RunMode::USAGE, "", ""},
      {{"-NAF", "a", "b"}, RunMode::USAGE, "", ""},
      {{"-bc:0", "a", "b"}, RunMode::USAGE, "", ""},
      {{"-bc:x", "a", "b"}, RunMode::USAGE, "", ""},
      {{"-cp1:", "a", "b"}, RunMode::USAGE, "", ""},
      {{"-u", "-bc:0", "a", "b"}, RunMode::USAGE, "", ""},
      {{"-s", "-ns", "-x", "a", "b"}, RunMode::USAGE, "", ""},
  };
  for (const Case& c : cases) {
    const CommandLine command = parse(c.arguments);
    EXPECT_EQ(command.mode, c.mode) << testing::PrintToString(c.arguments);
    if (c.mode != RunMode::USAGE) {
      EXPECT_EQ(command.first, c.first);
      EXPECT_EQ(command.second, c.second);
    }
  }
}

TEST(ParseCommandLine, FillsOptionsLeftToRight) {
  CommandLine c = parse({"-ns", "-s", "-l", "-naf", "-bc:-5", "-cp1:866", "-cp2: 1252",
                         "-ecp1:65001", "-ecp2:20866", "-lcid:1049", "-dc:'x", "src", "dst"});
  EXPECT_EQ(c.mode, RunMode::PACK);
  EXPECT_TRUE(c.options.sort_words);
  EXPECT_TRUE(c.options.lowercase);
  EXPECT_TRUE(c.options.no_auto_format);
  EXPECT_EQ(c.options.bc, -5);
  EXPECT_EQ(c.options.cp1, 866);
  EXPECT_EQ(c.options.cp2, 1252);
  EXPECT_EQ(c.options.ecp1, 65001);
  EXPECT_EQ(c.options.ecp2, 20866);
  EXPECT_EQ(c.options.lcid, 1049);
  EXPECT_EQ(c.options.delete_char, '\'');
  EXPECT_FALSE(c.options.abbr_path.has_value());

  c = parse({"-s", "-ns", "-bc:12ab", "-bc:7", "-a:first", "-a:", "src", "dst"});
  EXPECT_FALSE(c.options.sort_words);
  EXPECT_EQ(c.options.bc, 7);
  ASSERT_TRUE(c.options.abbr_path.has_value());
  EXPECT_EQ(*c.options.abbr_path, "");
  EXPECT_EQ(c.options.delete_char, 0);

  c = parse({"-dc:", "src", "dst"});
  EXPECT_EQ(c.options.delete_char, 0);
  EXPECT_EQ(c.options.ecp1, -1);
  EXPECT_EQ(c.options.ecp2, -1);
  EXPECT_EQ(c.options.cp1, 1251);
  EXPECT_EQ(c.options.lcid, 25);
  EXPECT_EQ(c.options.bc, 100);
}

}  // namespace
}  // namespace vocarn
