#include "text/code_page.h"

#include <gtest/gtest.h>

namespace vocarn {
namespace {

std::u16string decode(const std::string& bytes, int32_t code_page) {
  std::u16string out;
  decode_code_page(bytes, code_page, out);
  return out;
}

std::string encode(const std::u16string& text, int32_t code_page) {
  std::string out;
  encode_code_page(text, code_page, out);
  return out;
}

TEST(CodePage, ResultsCarryOneCountedNul) {
  EXPECT_EQ(decode("\xC4\xEE\xEC", 1251), std::u16string(u"\u0414\u043E\u043C\0", 4));
  EXPECT_EQ(encode(u"\u0414\u043E\u043C", 1251), std::string("\xC4\xEE\xEC\0", 4));
  EXPECT_EQ(decode("", 1251), std::u16string(1, u'\0'));
  EXPECT_EQ(encode(u"", 1251), std::string(1, '\0'));
  // The input ends at its first NUL.
  EXPECT_EQ(decode(std::string("ab\0cd", 5), 1252), std::u16string(u"ab\0", 3));
}

TEST(CodePage, SingleByteTablesRoundTripEveryByte) {
  for (const int32_t code_page :
       {437, 850, 866, 874, 1250, 1251, 1252, 1254, 1256, 1258, 10000, 10007, 20866, 21866}) {
    std::string all;
    for (int b = 1; b < 256; ++b)
      all.push_back(static_cast<char>(b));
    const std::u16string text = decode(all, code_page);
    ASSERT_EQ(text.size(), 256u) << code_page;
    EXPECT_EQ(encode(text, code_page), all + '\0') << code_page;
  }
}

TEST(CodePage, KnowsWhichRoundTripsChangeNothing) {
  for (const int32_t code_page : {437, 866, 1251, 1252, 20866}) {
    EXPECT_TRUE(round_trip_is_identity(code_page)) << code_page;
  }
  // 1253 and 20127 leave bytes undefined; 65001 and 932 are not single-byte.
  for (const int32_t code_page : {1253, 20127, 65001, 932, 12345}) {
    EXPECT_FALSE(round_trip_is_identity(code_page)) << code_page;
  }
}

TEST(CodePage, ControlBytesMeanThemselvesAsInTheWindowsTables) {
  for (const int32_t code_page : {437, 850, 866, 1251}) {
    EXPECT_EQ(decode("\x1A\x1C\x7F", code_page), std::u16string(u"\x1A\x1C\x7F\0", 4)) << code_page;
  }
}

TEST(CodePage, KnowsTheWindowsLettersOfTheDefaultPages) {
  EXPECT_EQ(decode("\xA8\xB8\x80", 1251), std::u16string(u"\u0401\u0451\u0402\0", 4));
  EXPECT_EQ(decode("\x80\xE9", 1252), std::u16string(u"\u20AC\u00E9\0", 3));
  EXPECT_EQ(decode("\x80\xE0", 866), std::u16string(u"\u0410\u0440\0", 3));
  EXPECT_EQ(decode("\xC1", 20866), std::u16string(u"\u0430\0", 2));
  EXPECT_EQ(decode("\xE9", 28591), std::u16string(u"\u00E9\0", 2));
}

TEST(CodePage, Utf8RoundTripsUnchanged) {
  const std::string text = "\xD0\x94\xD0\xBE\xD0\xBC \xE2\x82\xAC \xF0\x9F\x98\x80";
  EXPECT_EQ(encode(decode(text, 65001), 65001), text + '\0');
  EXPECT_EQ(encode(decode("\xC4\xEE\xEC", 1251), 65001),
            std::string("\xD0\x94\xD0\xBE\xD0\xBC\0", 7));
}

TEST(CodePage, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(encode(u"a\u0414b", 1252), std::string("a?b\0", 4));
  EXPECT_EQ(encode(u"\u4E2D", 1251), std::string("?\0", 2));
}

TEST(CodePage, UnknownCodePagesGiveTheEmptyResult) {
  for (const int32_t code_page : {1200, 1201, 12000, 12001, 12345, -1, 1, 999999}) {
    EXPECT_TRUE(decode("abc", code_page).empty()) << code_page;
    EXPECT_TRUE(encode(u"abc", code_page).empty()) << code_page;
    EXPECT_FALSE(is_known_code_page(code_page));
  }
  for (const int32_t code_page :
       {437,   737,   775,   850,   852,   855,   857,   860,   861,   862,   863,   864,
        865,   866,   869,   874,   932,   936,   949,   950,   1250,  1251,  1252,  1253,
        1254,  1255,  1256,  1257,  1258,  10000, 10007, 20127, 20866, 21866, 28591, 28592,
        28593, 28594, 28595, 28596, 28597, 28598, 28599, 28603, 28605, 54936, 65001}) {
    EXPECT_TRUE(is_known_code_page(code_page)) << code_page;
  }
}

}  // namespace
}  // namespace vocarn
