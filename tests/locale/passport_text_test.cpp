// The passport check judges the Windows-1251 form of the text.
#include <gtest/gtest.h>

#include "locale/cp1251.h"
#include "locale/passport_text.h"

namespace quorvex {
namespace {

constexpr auto kNick = PassportTextKind::Nick;
constexpr auto kCity = PassportTextKind::City;
constexpr auto kOther = PassportTextKind::Other;

TEST(CheckPassportText, Cases) {
  const struct {
    const char* text;
    PassportTextKind kind;
    int result;
  } cases[] = {
      {"", kNick, 1},
      {"", kOther, 1},
      {"A", kNick, 1},
      {"A", kCity, 1},
      {"A", kOther, 3},
      {"Я", kOther, 2},
      {" ", kOther, 1},
      {"Bob_7", kNick, 3},
      {"Иван", kNick, 2},
      {"Ёжик", kNick, 2},
      {"ёж", kCity, 2},
      {"Ivan-Иван", kCity, 2},
      {"Ivan Petrov", kNick, 1},
      {"Abcdefghijkl", kNick, 3},      // 12
      {"Abcdefghijklm", kNick, 1},     // 13
      {"Abcdefghijklm", kCity, 3},     // 13
      {"Abcdefghijklmno", kCity, 3},   // 15
      {"Abcdefghijklmnop", kCity, 1},  // 16
      {"Абвгдежзийкл", kNick, 2},      // 12 letters, 24 bytes of UTF-8
      {"Абвгдежзийклмно", kCity, 2},   // 15 letters
      {"Абвгдежзийклм", kNick, 1},     // 13 letters
      {"a!(),-.@_9", kCity, 3},
      {"a#", kNick, 1},
      {"Kyiv+", kCity, 1},
      {"Київ", kCity, 1},       // "ї" is in the code page but not a Russian letter
      {"東京", kCity, 1},       // not in the code page at all
      {"\xff\xfe", kOther, 1},  // not UTF-8
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckPassportText(c.text, c.kind), c.result)
        << "\"" << c.text << "\" kind " << static_cast<int>(c.kind);
  }
}

TEST(Cp1251, ConvertsBothWays) {
  EXPECT_EQ(Utf8ToCp1251("Ёё Аая"), std::string("\xA8\xB8 \xC0\xE0\xFF"));
  EXPECT_EQ(Utf8ToCp1251("東"), std::nullopt);
  EXPECT_EQ(Utf8ToCp1251(""), std::string());
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x98) all += static_cast<char>(b);
  }
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a\xEF\xBF\xBDz");
}

}  // namespace
}  // namespace quorvex
