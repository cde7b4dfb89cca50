// The account's field rules, the rating as it is shown, and texts on the wire.
#include <gtest/gtest.h>

#include <string>

#include "online/account_field_check.h"
#include "online/account_rating_text.h"
#include "online/wire_text.h"

namespace quorvex {
namespace {

TEST(AccountFieldCheck, LengthsCharactersCyrillicAndTheEMailSign) {
  using F = AccountField;
  struct Case {
    const char* text;
    F kind;
    int result;
  } const cases[] = {
      {"", F::Nick, 1},
      {"", F::Key, 1},
      {"A", F::Nick, 1},
      {"A", F::City, 1},
      {"Al", F::Nick, 3},
      {"Abcdefghijkl", F::Nick, 3},
      {"Abcdefghijklm", F::Nick, 1},
      {"a!(),-._@9", F::Nick, 3},
      {"a b", F::Nick, 1},
      {"ab#", F::Nick, 1},
      {"Вася", F::Nick, 1},
      {"Москва", F::City, 2},
      {"Ёлки", F::City, 2},
      // Fifteen letters, thirty bytes of UTF-8: characters are counted, not bytes.
      {"Санкт-Петербург", F::City, 2},
      {"Санкт-Петербурга", F::City, 1},
      {"Zürich", F::City, 1},
      {"Rio de Janeiro", F::City, 1},
      {"abc", F::Password, 1},
      {"abcd", F::Password, 3},
      {"abcdefghijkl", F::Password, 3},
      {"abcdefghijklm", F::Password, 1},
      {"пароль1", F::Password, 1},
      {"ab@", F::EMail, 1},
      {"@bc", F::EMail, 1},
      {"abc", F::EMail, 1},
      {"ab@c", F::EMail, 3},
      {"a@b", F::EMail, 3},
      {"abcdefghijklmnopqrstuvw@xyz.ru", F::EMail, 3},
      {"abcdefghijklmnopqrstuvwx@xyz.ru", F::EMail, 1},
      {"ян@mail.ru", F::EMail, 1},
      {"я", F::Key, 2},
      {"z", F::Key, 3},
      {"#", F::Key, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AccountFieldCheck(c.text, c.kind), c.result)
        << c.text << " as kind " << static_cast<int>(c.kind);
}

TEST(AccountFieldCheck, KeysTypedIntoTheFields) {
  using F = AccountField;
  for (const F field : {F::Nick, F::City, F::Password, F::EMail}) {
    EXPECT_TRUE(AccountKeyAccepted(U'\b', field));
    EXPECT_TRUE(AccountKeyAccepted(U'q', field));
    EXPECT_TRUE(AccountKeyAccepted(U'@', field));
    EXPECT_FALSE(AccountKeyAccepted(U' ', field));
    EXPECT_FALSE(AccountKeyAccepted(U'ü', field));
    EXPECT_FALSE(AccountKeyAccepted(char32_t(0xD800), field));
    // Only the city takes Cyrillic letters.
    EXPECT_EQ(AccountKeyAccepted(U'Ж', field), field == F::City);
    EXPECT_EQ(AccountKeyAccepted(U'ё', field), field == F::City);
  }
}

TEST(AccountRatingText, ThreeDecimalsWithAComma) {
  struct Case {
    double rating;
    const char* text;
  } const cases[] = {
      {95.36, "95,360"},  {12, "12,000"}, {0.5, "0,500"},     {-19.64, "-19,640"},
      {1.23456, "1,235"}, {0, "0,000"},   {-0.0001, "0,000"}, {1e6, "1000000,000"},
  };
  for (const Case& c : cases) EXPECT_EQ(AccountRatingText(c.rating), c.text) << c.rating;
}

TEST(WireText, Windows1251WithAQuestionMarkForWhatItLacks) {
  EXPECT_EQ(WireText("Москва"), "\xCC\xEE\xF1\xEA\xE2\xE0");
  EXPECT_EQ(TextFromWire("\xCC\xEE\xF1\xEA\xE2\xE0"), "Москва");
  EXPECT_EQ(WireText("a中b"), "a?b");
  EXPECT_EQ(WireText("Ёж 中"), "\xA8\xE6 ?");
  // A broken sequence costs one byte, the letter after it is kept.
  EXPECT_EQ(WireText("a\xFF\xD0\x96"), "a?\xC6");
  EXPECT_EQ(WireText("a\xD0"), "a?");
}

}  // namespace
}  // namespace quorvex
