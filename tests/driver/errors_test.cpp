#include "driver/errors.h"

#include <gtest/gtest.h>

#include <functional>

namespace vocarn {
namespace {

TEST(Errors, EachRaiserWritesItsMessageAndThrowsItsCode) {
  struct Case {
    std::function<void(ErrorText&)> raise;
    std::string message;
    ToolError code;
  } cases[] = {
      {[](ErrorText& e) { fail_open(e, "a.txt"); }, "error: can't open a.txt\n", CANT_OPEN},
      {[](ErrorText& e) { fail_format_at_line(e, "a.txt", 12); }, "wrong format a.txt, line = 12\n",
       WRONG_FORMAT},
      {[](ErrorText& e) { fail_format(e, "d.kx"); }, "wrong format d.kx\n", WRONG_FORMAT},
      {[](ErrorText& e) { fail_internal(e); }, "internal error\n", INTERNAL_ERROR},
      {[](ErrorText& e) { fail_write(e, "/dev/full"); }, "error: can't write /dev/full\n",
       CANT_OPEN},
  };
  for (const Case& c : cases) {
    ErrorText text = "OK";
    const int code = run_mode([&] { c.raise(text); });
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(text, c.message);
  }
}

TEST(Errors, LongMessagesAreNeitherCutNorOverrun) {
  ErrorText text = "OK";
  text.reserve(1024);
  const std::string name(5000, 'n');
  EXPECT_EQ(run_mode([&] { fail_open(text, name.c_str()); }), CANT_OPEN);
  EXPECT_EQ(text, "error: can't open " + name + "\n");
}

TEST(Errors, SuccessLeavesTheTextAlone) {
  ErrorText text = "OK";
  EXPECT_EQ(run_mode([] {}), 0);
  EXPECT_EQ(text, "OK");
}

}  // namespace
}  // namespace vocarn
