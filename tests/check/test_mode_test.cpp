// The test mode through the real binary: its report and its status.
#include <gtest/gtest.h>

#include "cli.h"

namespace vocarn::testing {
namespace {

TEST(TestMode, ReportsExactly) {
  struct Case {
    const char* name;
    std::string content;
    std::string output;
  } cases[] = {
      {"empty", "", "\ntotal lines: 0\ntotal errors: 0"},
      {"only a byte-order mark", "\xEF\xBB\xBF", "\ntotal lines: 0\ntotal errors: 0"},
      {"three entries", "a  x\nb = y\nc  z\n", "\ntotal lines: 3\ntotal errors: 0"},
      {"void lines alone are not shown", "a  x\n\nx\n  \n", "\ntotal lines: 4\ntotal errors: 0"},
      {"void and wrong lines", "a  x\n\nb  y\nc d\ne  f\n",
       "warning: void line, line = 2\nerror: wrong format, line = 4\n\n\n"
       "total lines: 5\ntotal errors: 1"},
      {"in line order", "a  x\nb  y\nwrong\nc  z\n\nd  w\nwrong too",
       "error: wrong format, line = 3\nwarning: void line, line = 5\n"
       "error: wrong format, line = 7\n\n\ntotal lines: 7\ntotal errors: 2"},
      {"CR LF with a byte-order mark", "\xEF\xBB\xBFwrong\r\na  x\r\n\r\n",
       "error: wrong format, line = 1\nwarning: void line, line = 3\n\n\n"
       "total lines: 3\ntotal errors: 1"},
      {"a long line", "a  x\n" + std::string(6000, 'w') + "\nb c\n",
       "error: wrong format, line = 2\nerror: wrong format, line = 3\n\n\n"
       "total lines: 3\ntotal errors: 2"},
      {"a long entry", "a  x\nw  " + std::string(6000, 't') + "\nb c\n",
       "error: wrong format, line = 3\n\n\ntotal lines: 3\ntotal errors: 1"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.file("source.txt");
    write_file(path, c.content);
    const CliResult r = run_cli({"-test", path});
    EXPECT_EQ(r.output, c.output) << c.name;
    EXPECT_EQ(r.status, 0) << c.name;
  }
}

TEST(TestMode, MissingFile) {
  const CliResult r = run_cli({"-test", "no/such/file.txt"});
  EXPECT_EQ(r.output, "error: can't open no/such/file.txt\n\n\ntotal lines: 0\ntotal errors: 0");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
}  // namespace vocarn::testing
