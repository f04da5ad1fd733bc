// The command line as a user meets it: the built binary, its output and status.
#include <gtest/gtest.h>

#include "cli.h"

namespace vocarn::testing {
namespace {

const char kUsage[] =
    "Vocarn (Version 2.06) - make .kx file for Palvio\n"
    "usage: vocarn [options] source destination\n"
    "usage: vocarn [-info] file_kx\n"
    "usage: vocarn -test file_txt\n"
    "options:\n"
    "-cp1:n - codepage for words in the index (default n=1251)\n"
    "-ecp1:n - convert words in the index to codepage n\n"
    "-cp2:n - codepage for translations (default n=1251)\n"
    "-ecp2:n - convert translations to codepage n\n"
    "-lcid:n - collation (default n=25 for Russian)\n"
    "-s - turn on sorting words in the index (default)\n"
    "-ns - turn off sorting words in the index\n"
    "-dc:c - delete char 'c' from words in the index\n"
    "-u - unpack\n"
    "-l - convert words in the index to lowercase\n"
    "-a:source_abbr - use a file of abbreviations\n"
    "-bc:n - quantity of translations in a compression block, default n = 100\n"
    "-naf - don't use auto formatting\n";

TEST(Cli, NoArgumentsPrintsUsage) {
  const CliResult r = run_cli({});
  EXPECT_EQ(r.output, kUsage);
  EXPECT_EQ(r.status, 255);
}

TEST(Cli, BadOptionsPrintUsageAndTouchNoFile) {
  TempDir dir;
  const std::string source = dir.file("s.txt");
  const std::string destination = dir.file("d.kx");
  write_file(source, "word  translation\n");
  const std::vector<std::string> bad[] = {
      {"-x"},    {"-U"},          {"-NAF"},      {"-bc:0"},     {"-bc:x"},   {"-cp1:"}, {"-info"},
      {"-test"}, {"-u", "-bc:0"}, {"-lcid:abc"}, {"-ns", "-S"}, {"-ecp2:0"}, {"-dcx"},
  };
  for (const auto& options : bad) {
    std::vector<std::string> arguments = options;
    arguments.push_back(source);
    arguments.push_back(destination);
    const CliResult r = run_cli(arguments);
    EXPECT_EQ(r.output, kUsage) << options[0];
    EXPECT_EQ(r.status, 255);
    EXPECT_FALSE(file_exists(destination)) << options[0];
  }
}

TEST(Cli, OneArgumentIsAlwaysAnInfoRequest) {
  TempDir dir;
  for (const std::string name : {"-info", "-test", "-u", "missing.kx"}) {
    const CliResult r = run_cli({name});
    EXPECT_EQ(r.output, "error: can't open " + name + "\n\n");
    EXPECT_EQ(r.status, 255);
  }
}

TEST(Cli, TwoArgumentsPackUnlessTheFirstIsExactlyAModeSwitch) {
  TempDir dir;
  const std::string destination = dir.file("d.kx");
  for (const std::string first : {"-INFO", "-infox", "-Test", "-u"}) {
    const CliResult r = run_cli({first, destination});
    EXPECT_EQ(r.output, "error: can't open " + first + "\n\n");
    EXPECT_EQ(r.status, 255);
  }
  EXPECT_FALSE(file_exists(destination));
}

TEST(Cli, PassedIntegerValuesReachThePacker) {
  // -bc:-5 is accepted by the driver: the pack runs and stores 0xFFFFFFFB.
  TempDir dir;
  const std::string source = dir.file("s.txt");
  write_file(source, "a1  x\nb1  y\n");
  for (const std::string option : {"-bc:-5", "-bc:12ab", "-bc: 7"}) {
    const CliResult r = run_cli({option, source, dir.file("d.kx")});
    EXPECT_EQ(r.status, 0) << option << r.output;
    EXPECT_EQ(r.output.rfind("Pack done (2 words, ", 0), 0u) << r.output;
  }
  const CliResult info = run_cli({dir.file("d.kx")});
  EXPECT_NE(info.output.find("bc = 7\n"), std::string::npos);
}

TEST(Cli, LaterOptionsOverrideEarlierOnes) {
  TempDir dir;
  const std::string source = dir.file("s.txt");
  write_file(source, "b  x\na  y\n");
  run_cli({"-s", "-ns", source, dir.file("unsorted.kx")});
  run_cli({"-ns", "-s", source, dir.file("sorted.kx")});
  EXPECT_EQ(run_cli({dir.file("unsorted.kx")}).output.find("sorted\n"), std::string::npos);
  EXPECT_NE(run_cli({dir.file("sorted.kx")}).output.find("sorted\n"), std::string::npos);
}

TEST(Cli, ThreeArgumentsEndingInMinusUPackIntoAFileOfThatName) {
  TempDir dir;
  const std::string source = dir.file("s.txt");
  write_file(source, "Abc  x\n");
  const std::string destination = dir.file("-u");
  const CliResult r = run_cli({"-l", source, destination});
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_TRUE(file_exists(destination));
}

TEST(Cli, EmptyAbbreviationNameIsNotTheSameAsNone) {
  TempDir dir;
  const std::string source = dir.file("s.txt");
  write_file(source, "a  x\n");
  const CliResult r = run_cli({"-a:", source, dir.file("d.kx")});
  EXPECT_EQ(r.output, "error: can't open \n\n");
  EXPECT_EQ(r.status, 255);
}

}  // namespace
}  // namespace vocarn::testing
