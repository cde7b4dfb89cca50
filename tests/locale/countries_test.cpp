// The country lists, their codes and the flag a listed code stands for.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "locale/countries.h"
#include "locale/cp1251.h"

namespace quorvex {
namespace {

TEST(Countries, RegionsHaveTheirLengths) {
  const int last[] = {-1, 48, 51, 35, 14, 23, 54, -1};
  for (int region = 0; region <= 7; ++region)
    EXPECT_EQ(LastCountryNumber(region), last[region]) << region;
}

// Anchors spread over every list: a list shifted by one entry fails here.
TEST(Countries, EntriesStandAtTheirNumbers) {
  const struct {
    int region, number;
    const char *english, *russian, *short_name;
  } cases[] = {
      {1, 0, "Unknown", "Неизвестная", "Unknown"},
      {1, 1, "Russia", "Россия", "Russia"},
      {1, 2, "Albania", "Албания", "Albania"},
      {1, 7, "Bosnia & Herzegovina", "Босния и Герцеговина", "Bosnia_Herz."},
      {1, 10, "Czech Republic", "Чехия", "Czech_Republic"},
      {1, 15, "France", "Франция", "France"},
      {1, 16, "Germany", "Германия", "Germany"},
      {1, 24, "Italy", "Италия", "Italy"},
      {1, 43, "Spain", "Испания", "Spain"},
      {1, 48, "United Kingdom", "Великобритания", "United_Kingdom"},
      {2, 7, "British Indian Ocean Territory", "Британская территория в Индийском океане",
       "B.I.O.T."},
      {2, 10, "China", "Китай", "China"},
      {2, 20, "Japan", "Япония", "Japan"},
      {2, 40, "South Korea", "Южная Корея", "South_Korea"},
      {2, 51, "Yemen", "Йемен", "Yemen"},
      {3, 31, "Saint Vincent and the Grenadines", "Сент-Винсент и Гренадины", "S.V._Grenadines"},
      {3, 35, "Virgin Islands", "Виргинские острова (США)", "Virgin_Islands"},
      {4, 6, "Equador", "Эквадор", "Equador"},
      {4, 14, "Venezuela", "Венесуэла", "Venezuela"},
      {5, 23, "Wallis and Futuna", "Уоллис и Футуна", "Wallis_Futuna"},
      {6, 0, "Unknown", "Неизвестная", "Unknown"},
      {6, 24, "Ivory Coast (Cote Divoire)", "Кот-д'Ивуар", "Cote_Divoire"},
      {6, 54, "Zimbabwe", "Зимбабве", "Zimbabwe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(CountryCodeText({c.region, c.number}));
    const CountryNames names = CountryEntry(c.region, c.number);
    EXPECT_EQ(names.english, c.english);
    EXPECT_EQ(names.russian, c.russian);
    EXPECT_EQ(names.short_name, c.short_name);
  }
}

// Short names travel in blank-separated service replies and hold at most 15 characters; every
// name must survive the trip to Windows-1251; every country has its own flag.
TEST(Countries, EveryEntryFitsItsUses) {
  std::set<std::string> isos;
  for (int region = 1; region <= kRegionCount; ++region) {
    for (int number = 1; number <= LastCountryNumber(region); ++number) {
      const CountryNames names = CountryEntry(region, number);
      SCOPED_TRACE(names.english);
      EXPECT_LE(names.short_name.size(), 15u);
      EXPECT_EQ(names.short_name.find(' '), std::string_view::npos);
      EXPECT_TRUE(Utf8ToCp1251(names.english).has_value());
      const auto russian = Utf8ToCp1251(names.russian);
      ASSERT_TRUE(russian.has_value());
      EXPECT_FALSE(russian->empty());
      EXPECT_EQ(names.iso.size(), 2u);
      EXPECT_TRUE(isos.insert(std::string(names.iso)).second) << "twice: " << names.iso;
    }
  }
  EXPECT_EQ(isos.size(), 225u);
}

TEST(Countries, OutsideTheListsIsUnknown) {
  const int cases[][2] = {{1, 49}, {1, -1}, {4, 15}, {0, 1}, {7, 0}, {-3, 5}};
  for (const auto& c : cases) {
    EXPECT_EQ(CountryEntry(c[0], c[1]).english, "Unknown") << c[0] << " " << c[1];
    EXPECT_EQ(CountryEntry(c[0], c[1]).russian, "Неизвестная");
  }
}

TEST(CountryCode, StrictFormOnly) {
  const struct {
    const char* text;
    std::optional<CountryCode> code;
  } cases[] = {
      {"1-001", CountryCode{1, 1}}, {"1-048", CountryCode{1, 48}}, {"6-054", CountryCode{6, 54}},
      {"2-000", CountryCode{2, 0}}, {"1-049", std::nullopt},       {"7-001", std::nullopt},
      {"0-000", std::nullopt},      {"1-0011", std::nullopt},      {"1-01", std::nullopt},
      {"1_001", std::nullopt},      {"1-0a1", std::nullopt},       {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseCountryCode(c.text), c.code) << c.text;
  EXPECT_EQ(CountryCodeText({2, 7}), "2-007");
  EXPECT_EQ(CountryCodeText({5, 23}), "5-023");
}

// Codes read from the services may be anything.
TEST(CountryCode, FlagOfAnyText) {
  const struct {
    const char* text;
    std::optional<CountryCode> flag;
  } cases[] = {
      {"1-048", CountryCode{1, 48}}, {"6-054", CountryCode{6, 54}},
      {"2-000", CountryCode{2, 0}},  {"1-049", CountryCode{1, 0}},
      {"3-abc", CountryCode{3, 0}},  {"4", CountryCode{4, 0}},
      {"5-7", CountryCode{5, 7}},    {"1-0011", CountryCode{1, 1}},
      {"#", std::nullopt},           {"", std::nullopt},
      {"7-001", std::nullopt},       {"0-001", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FlagOfCode(c.text), c.flag) << c.text;
}

TEST(Countries, FlagListNames) {
  const char* names[] = {"", "ILEuro", "ILAsia", "ILNAme", "ILSAme", "ILOcea", "ILAfri", ""};
  for (int region = 0; region <= 7; ++region) EXPECT_EQ(FlagListName(region), names[region]);
}

}  // namespace
}  // namespace quorvex
