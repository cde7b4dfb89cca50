#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <optional>
#include <string>
#include <vector>

#include "online/reply_readers.h"

namespace quorvex {
namespace {

TEST(ReplyReaders, FieldsNumbersStatusesAndCodes) {
  // Fields: framed, unframed (the last character is not data), "$" last, none.
  struct FieldsCase {
    const char* reply;
    std::vector<std::string> fields;
  } const fields[] = {
      {"$Moscow 1-001$", {"", "Moscow", "1-001"}},
      {"$Moscow 1-001", {"", "Moscow", "1-00"}},
      {"ok$", {}},
      {"no data", {}},
      {"x$a~b~c$y", {"", "a~b~c"}},
  };
  for (const FieldsCase& c : fields) EXPECT_EQ(ReadReplyFields(c.reply), c.fields) << c.reply;
  EXPECT_EQ(ReadReplyFields("$a~b~~c$", '~'), (std::vector<std::string>{"", "a", "b", "", "c"}));

  struct NumberCase {
    const char* reply;
    std::optional<long long> value;
  } const numbers[] = {{"abc$123$", 123},        {"abc$123", 12}, {"abc$", std::nullopt},
                       {"$12$x$", std::nullopt}, {"$7$", 7},      {"", std::nullopt}};
  for (const NumberCase& c : numbers) EXPECT_EQ(ReadReplyNumber(c.reply), c.value) << c.reply;

  struct StatusCase {
    const char* reply;
    bool accepted;
  } const statuses[] = {{"done$ ok#", true}, {"$ok#", false}, {"$ no#", false},
                        {"$ ok", true},      {"$", false},    {"", false}};
  for (const StatusCase& c : statuses) EXPECT_EQ(ReadReplyStatus(c.reply), c.accepted) << c.reply;

  EXPECT_FALSE(HasReplyCode("o", "ok"));
  EXPECT_TRUE(HasReplyCode("xxokxx", "ok"));
  // A refusal is "no" outside the data: a member from Reno or nobody@... is not one.
  EXPECT_TRUE(IsRefusal("no#"));
  EXPECT_TRUE(IsRefusal("no$$"));
  EXPECT_FALSE(IsRefusal("$Anna Reno 1-001$"));
  EXPECT_FALSE(IsRefusal("ok$nobody@example.com$"));
  EXPECT_FALSE(IsRefusal("$Anna Reno 1-001"));  // data without its closing "$"
  EXPECT_FALSE(IsRefusal(""));
  EXPECT_TRUE(IsRefusal("$Anna$no"));
}

TEST(ReplyReaders, EntriesUpToTheLimit) {
  std::string reply;
  for (int i = 1; i <= 12; ++i)
    reply += "$" + std::to_string(i) + " 0 " + std::to_string(100 - i) + " Nick" +
             std::to_string(i) + "*";
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply, 10);
  ASSERT_EQ(entries.size(), 10u);
  EXPECT_EQ(entries[0], (ReplyFields{"", "1", "0", "99", "Nick1"}));
  EXPECT_EQ(entries[9][4], "Nick10");
  // An entry without its "*" ends before the reply's last character; a "$" last starts nothing.
  const std::vector<ReplyFields> open = ReadReplyEntries("$1 0 5 Ann*$2 0 4 Bob!", 10);
  ASSERT_EQ(open.size(), 2u);
  EXPECT_EQ(open[1][4], "Bob");
  EXPECT_EQ(ReadReplyEntries("$", 10).size(), 0u);
  EXPECT_EQ(ReadReplyEntries("#", 10).size(), 0u);
}

// A locale whose decimal separator is a comma, for the C++ streams and for C.
struct CommaLocale : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(Ratings, PointOnTheWireWhateverTheLocale) {
  const std::locale before = std::locale::global(std::locale(std::locale(), new CommaLocale));
  const char* c_before = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = c_before ? c_before : "C";
  for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name)) break;
  EXPECT_EQ(FormatRating(12.5), "12.5");
  EXPECT_EQ(FormatRating(0.000004), "0");
  EXPECT_EQ(FormatRating(-3.25), "-3.25");
  EXPECT_EQ(FormatRating(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(ParseRating("12,5"), 12.5);
  EXPECT_EQ(ParseRating("12.5"), 12.5);
  EXPECT_EQ(ParseRating(""), 0.0);
  EXPECT_EQ(ParseRating("-0,75"), -0.75);
  EXPECT_EQ(ParseRating("abc"), std::nullopt);
  std::setlocale(LC_NUMERIC, saved.c_str());
  std::locale::global(before);
}

}  // namespace
}  // namespace quorvex
