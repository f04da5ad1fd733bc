#include "text/case_mapping.h"

#include <gtest/gtest.h>

namespace vocarn {
namespace {

TEST(CaseMapping, LowerCasesCyrillicAndLatinUnderRussian) {
  std::u16string text = u"\u0401\u041B\u041A\u0410 Tree-\u00C9";
  text.push_back(0);
  lowercase_utf16(text, text, 25);
  EXPECT_EQ(text, std::u16string(u"\u0451\u043B\u043A\u0430 tree-\u00E9\0", 12));
}

TEST(CaseMapping, HandlesSurrogatePairsAndTheEmptyWord) {
  std::u16string out;
  lowercase_utf16(out, u"\U00010400x", 25);  // DESERET CAPITAL LONG I
  EXPECT_EQ(out, std::u16string(u"\U00010428x\0", 4));
  lowercase_utf16(out, std::u16string(1, u'\0'), 25);
  EXPECT_EQ(out, std::u16string(1, u'\0'));
  lowercase_utf16(out, u"", 25);
  EXPECT_EQ(out, std::u16string(1, u'\0'));
}

TEST(CaseMapping, IsNotLinguistic) {
  std::u16string out;
  lowercase_utf16(out, u"I\u0130", 31);  // Turkish: still the default mapping
  EXPECT_EQ(out, std::u16string(u"i\u0069\0", 3));
}

TEST(CaseMapping, UnknownLocaleGivesTheEmptyResult) {
  std::u16string out = u"stale";
  lowercase_utf16(out, u"ABC", 0xFFFF);
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace vocarn
