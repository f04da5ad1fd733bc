#include "text/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace vocarn {
namespace {

class Collation : public ::testing::Test {
 protected:
  void SetUp() override { collation_lcid = 25; }
  void TearDown() override { collation_lcid = 0; }
};

TEST_F(Collation, IsAStrictLessThanThatIgnoresCase) {
  EXPECT_TRUE(collation_less(u"\u0430", u"\u0431"));  // а < б
  EXPECT_FALSE(collation_less(u"\u0431", u"\u0430"));
  EXPECT_FALSE(collation_less(u"\u0434\u043E\u043C", u"\u0434\u043E\u043C"));
  EXPECT_FALSE(collation_less(u"\u0414\u043E\u043C", u"\u0434\u043E\u043C"));  // Дом, дом
  EXPECT_FALSE(collation_less(u"\u0434\u043E\u043C", u"\u0414\u041E\u041C"));
  EXPECT_TRUE(collation_less(u"", u"a"));
  EXPECT_FALSE(collation_less(u"", u""));
}

TEST_F(Collation, SortsRussianWordsAsTheRussianCollation) {
  std::vector<std::u16string> words = {
      u"\u044F\u0431\u043B\u043E\u043A\u043E",                     // яблоко
      u"\u0401\u043B\u043A\u0430",                                 // Ёлка
      u"\u0435\u043B\u044C",                                       // ель
      u"\u0451\u0436",                                             // ёж
      u"\u0415\u0436\u0438\u0445\u0430",                           // Ежиха
      u"\u0430\u0431\u0440\u0438\u043A\u043E\u0441",               // абрикос
      u"\u0410\u0411\u0412",                                       // АБВ
      u"\u0431\u0430\u0440\u0430\u043D",                           // баран
      u"\u041A\u0442\u043E-\u043D\u0438\u0431\u0443\u0434\u044C",  // Кто-нибудь
      u"\u043A\u0442\u043E",                                       // кто
      u"\u043A\u0442\u043E\u0442\u043E",                           // ктото
      u"\u043F\u0430\u043F\u0430",                                 // папа
      u"\u041F\u0430\u043F\u0430",                                 // Папа
      u"\u043E'\u043A\u0435\u0439",                                // о'кей
      u"\u043E\u043A\u0435\u0439",                                 // окей
      u"\u0437\u0435\u0431\u0440\u0430",                           // зебра
      u"\u0436\u0438\u0440\u0430\u0444",                           // жираф
      u"\u044D\u0445\u043E",                                       // эхо
      u"\u044E\u0433",                                             // юг
      u"\u0448\u0438\u043F",                                       // шип
      u"\u0449\u0438\u0442",                                       // щит
  };
  std::stable_sort(words.begin(), words.end(),
                   [](const std::u16string& a, const std::u16string& b) {
                     return collation_less(a.c_str(), b.c_str());
                   });
  const std::vector<std::u16string> expected = {
      u"\u0410\u0411\u0412",                          // АБВ
      u"\u0430\u0431\u0440\u0438\u043A\u043E\u0441",  // абрикос
      u"\u0431\u0430\u0440\u0430\u043D",              // баран
      // ё differs from е at the second level only, so it sorts among е.
      u"\u0451\u0436",                                             // ёж
      u"\u0415\u0436\u0438\u0445\u0430",                           // Ежиха
      u"\u0401\u043B\u043A\u0430",                                 // Ёлка
      u"\u0435\u043B\u044C",                                       // ель
      u"\u0436\u0438\u0440\u0430\u0444",                           // жираф
      u"\u0437\u0435\u0431\u0440\u0430",                           // зебра
      u"\u043A\u0442\u043E",                                       // кто
      u"\u041A\u0442\u043E-\u043D\u0438\u0431\u0443\u0434\u044C",  // Кто-нибудь
      u"\u043A\u0442\u043E\u0442\u043E",                           // ктото
      u"\u043E'\u043A\u0435\u0439",                                // о'кей
      u"\u043E\u043A\u0435\u0439",                                 // окей
      u"\u043F\u0430\u043F\u0430",                                 // папа
      u"\u041F\u0430\u043F\u0430",                                 // Папа
      u"\u0448\u0438\u043F",                                       // шип
      u"\u0449\u0438\u0442",                                       // щит
      u"\u044D\u0445\u043E",                                       // эхо
      u"\u044E\u0433",                                             // юг
      u"\u044F\u0431\u043B\u043E\u043A\u043E",                     // яблоко
  };
  EXPECT_EQ(words, expected);
}

std::string key_of(const std::u16string& text) {
  std::string key;
  append_collation_key(text.c_str(), key);
  return key;
}

TEST_F(Collation, KeysOrderExactlyAsThePredicate) {
  const char16_t alphabet[] =
      u"\u0430\u0431\u0432\u0433\u0435\u0451\u0436\u0438\u0439\u043A"
      u"\u043E\u043F\u0440\u0441\u044C\u044A\u044F\u0410\u0401\u0415"
      u"\u042F-' ab";
  const size_t letters = sizeof alphabet / sizeof alphabet[0] - 1;
  std::mt19937 random(12345);
  auto word = [&] {
    std::u16string w;
    const size_t length = random() % 6;
    for (size_t i = 0; i < length; ++i)
      w.push_back(alphabet[random() % letters]);
    return w;
  };
  for (int i = 0; i < 5000; ++i) {
    const std::u16string a = word();
    // Half the pairs share a prefix, so near-equal keys are compared too.
    const std::u16string b = (i % 2 == 0) ? word() : a.substr(0, a.size() / 2) + word();
    const std::string ka = key_of(a);
    const std::string kb = key_of(b);
    EXPECT_EQ(collation_less(a.c_str(), b.c_str()), std::strcmp(ka.c_str(), kb.c_str()) < 0);
    EXPECT_EQ(collation_less(b.c_str(), a.c_str()), std::strcmp(kb.c_str(), ka.c_str()) < 0);
  }
}

TEST_F(Collation, AnUnknownLocaleOrdersNothing) {
  collation_lcid = 0xFFFF;
  EXPECT_FALSE(collation_less(u"a", u"b"));
  EXPECT_FALSE(collation_less(u"b", u"a"));
  EXPECT_EQ(key_of(u"a"), key_of(u"b"));
}

}  // namespace
}  // namespace vocarn
