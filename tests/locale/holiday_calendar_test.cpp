// The holiday table and the cards of a day: the dated cases a player meets, the expression
// forms, and the whole table over two centuries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locale/calendar_plan.h"
#include "locale/holiday_dates.h"
#include "locale/lang_text.h"

namespace quorvex {
namespace {

std::vector<std::string> HolidayCaptions(const CalendarDate& day, int language) {
  const CalendarPlan plan = BuildCalendar(day, language);
  std::vector<std::string> captions;
  for (size_t i = 2; i < plan.cards.size(); ++i) captions.push_back(plan.cards[i].caption);
  return captions;
}

using Captions = std::vector<std::string>;

TEST(HolidayCalendar, DatedCasesWithTheirCaptions) {
  struct Case {
    CalendarDate day;
    int language;
    Captions captions;
  };
  const Case cases[] = {
      // Programmer`s day is the 256th day: 12 September in a leap year, else 13 September.
      {{2023, 9, 13}, 0, {"Programmer`s day"}},
      {{2023, 9, 12}, 0, {}},
      {{2024, 9, 12}, 0, {"Programmer`s day"}},
      {{2024, 9, 13}, 0, {}},
      // The third Monday of January 2024, and only that Monday.
      {{2024, 1, 15}, 0, {"Martin Luther King Day (Holiday United States)"}},
      {{2024, 1, 8}, 0, {}},
      {{2024, 1, 22}, 0, {}},
      {{2024, 9, 21},
       0,
       {"The day of the victory of Russian regiments in the battle of Kulikovo (644-th "
        "anniversary, Russian Festival)",
        "Nativity Of The Virgin (The Orthodox holiday)"}},
      {{2025, 5, 9},
       0,
       {"Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"}},
      {{2025, 5, 9},
       1,
       {"День Победы в Великой Отечественной войне (80-я годовщина, Российский праздник)"}},
      {{2025, 5, 9},
       2,
       {"Tag des Sieges im Großen Vaterländischen Krieg (80. Jahrestag, Russischer Feiertag)"}},
      {{2024, 1, 1}, 0, {"New Year"}},
      {{2031, 1, 1}, 1, {"Новый год"}},
      // An event is not remembered before it happened, nor called its own anniversary.
      {{1940, 5, 9}, 0, {}},
      {{2024, 12, 18}, 0, {"The computer`s first grand slam in Quorvex"}},
      // The moving feasts of 2024: Orthodox Easter 5 May, Catholic Easter 31 March.
      {{2024, 5, 5}, 0, {"Easter (The Orthodox holiday)"}},
      {{2024, 4, 28}, 0, {"The entry into Jerusalem (The Orthodox holiday)"}},
      {{2024, 6, 14},
       0,
       {"American flag day (Holiday United States)",
        "Ascension Of Our Lord (The Orthodox holiday)"}},
      {{2024, 6, 24}, 0, {"Trinity Sunday (The Orthodox holiday)"}},
      {{2024, 3, 31}, 0, {"Easter (Catholic feast)"}},
      // Both churches on one day, with Cosmonautics in the middle of the table.
      {{2015, 4, 12},
       0,
       {"Day of cosmonautics (Russian Festival)", "Easter (The Orthodox holiday)"}},
      {{2024, 11, 28}, 0, {"Thanksgiving (Holiday United States)"}},
      {{2024, 11, 21}, 0, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HolidayCaptions(c.day, c.language), c.captions)
        << c.day.year << "-" << c.day.month << "-" << c.day.day << " language " << c.language;
}

TEST(HolidayCalendar, DateAndYearCards) {
  // Sunday 22 September 2024: red, Virgo ends on the 23rd, the year of the dragon.
  const CalendarPlan sunday = BuildCalendar({2024, 9, 22}, 0);
  ASSERT_GE(sunday.cards.size(), 2u);
  const CalendarCard& date = sunday.cards[0];
  EXPECT_TRUE(date.date_card);
  EXPECT_EQ(date.day, 22);
  EXPECT_TRUE(date.sunday);
  EXPECT_EQ(date.month, "September");
  EXPECT_EQ(date.month_font_size, 7);
  EXPECT_EQ(date.picture, "R_06");
  EXPECT_EQ(date.caption, "Virgo");
  EXPECT_EQ(sunday.cards[1].picture, "R_VOSDRAG");
  EXPECT_EQ(sunday.cards[1].caption, "Year Of The Dragon");
  EXPECT_EQ(sunday.cards[1].x, 3);
  EXPECT_EQ(sunday.cards[1].y, 27);

  // Eight Russian letters keep the larger size.
  const CalendarPlan monday = BuildCalendar({2024, 9, 23}, 1);
  EXPECT_FALSE(monday.cards[0].sunday);
  EXPECT_EQ(monday.cards[0].month, "Сентября");
  EXPECT_EQ(monday.cards[0].month_font_size, 8);
  EXPECT_EQ(monday.cards[0].x, 17);
  EXPECT_EQ(monday.cards[0].y, 65);
}

TEST(HolidayCalendar, ZodiacBoundariesAndYearAnimals) {
  const std::pair<CalendarDate, const char*> signs[] = {
      {{2024, 1, 20}, "R_10"},  {{2024, 1, 21}, "R_11"},  {{2024, 3, 20}, "R_12"},
      {{2024, 3, 21}, "R_01"},  {{2024, 6, 21}, "R_03"},  {{2024, 6, 22}, "R_04"},
      {{2024, 11, 22}, "R_08"}, {{2024, 11, 23}, "R_09"}, {{2024, 12, 21}, "R_09"},
      {{2024, 12, 22}, "R_10"}, {{2024, 12, 31}, "R_10"},
  };
  for (const auto& [day, picture] : signs)
    EXPECT_EQ(ZodiacPicture(ZodiacSign(day)), picture) << day.month << "-" << day.day;

  // Year mod 12: 0 monkey, 1 rooster, ..., 4 rat, ..., 11 goat.
  const std::pair<int, const char*> years[] = {{2016, "R_VOSMONK"}, {2017, "R_VOSPETU"},
                                               {2020, "R_VOSKRIS"}, {2021, "R_VOSBULL"},
                                               {2026, "R_VOSHORS"}, {2027, "R_VOSKOZA"}};
  for (const auto& [year, picture] : years) {
    EXPECT_EQ(EasternYearPicture(EasternYearAnimal(year)), picture) << year;
    EXPECT_EQ(BuildCalendar({year, 6, 1}, 0).cards[1].picture, picture) << year;
  }
  EXPECT_EQ(BuildCalendar({2020, 6, 1}, 0).cards[1].caption, "Year Of The Rat");
}

TEST(HolidayCalendar, ExpressionForms) {
  struct Case {
    const char* expression;
    CalendarDate today;
    ResolvedDate expected;
  };
  const Case cases[] = {
      {"25.12.0000", {2024, 3, 3}, {25, 12, 0}},
      {"21.09.1380", {2024, 3, 3}, {21, 9, 1380}},
      {"pasha.p000", {2024, 1, 1}, {5, 5, 0}},
      {"pasha.p-07", {2024, 1, 1}, {28, 4, 0}},
      {"pasha.k+50", {2024, 1, 1}, {20, 5, 0}},
      // The last Monday of May, the last Thursday of February in a leap year and in another.
      {"****l.2.05", {2024, 5, 27}, {27, 5, 0}},
      {"****l.2.05", {2024, 5, 20}, {}},
      {"****l.5.02", {2024, 2, 29}, {29, 2, 0}},
      {"****l.5.02", {2024, 2, 22}, {}},
      {"****l.5.02", {2023, 2, 23}, {23, 2, 0}},
      {"****4.5.11", {2024, 11, 28}, {28, 11, 0}},
      {"****4.5.11", {2024, 10, 24}, {}},
      // Broken expressions never match and never crash.
      {"", {2024, 1, 1}, {}},
      {"31.02.0000", {2024, 1, 1}, {}},
      {"1a.02.0000", {2024, 1, 1}, {}},
      {"pasha.x000", {2024, 1, 1}, {}},
      {"pasha.p*07", {2024, 1, 1}, {}},
      {"pasha.k+9x", {2024, 1, 1}, {}},
      {"****9.9.13", {2024, 1, 1}, {}},
      {"****0.2.01", {2024, 1, 1}, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolveHolidayDate(c.expression, c.today), c.expected) << c.expression;
}

TEST(HolidayCalendar, BrokenRecordsAreRefused) {
  EXPECT_FALSE(ParseHolidayRecord(""));
  EXPECT_FALSE(ParseHolidayRecord("01.01.0000#ALL#R_NEWYEAR#a#b#c#"));
  EXPECT_FALSE(ParseHolidayRecord("01.01.0000+ALL#R_NEWYEAR#a#b#c#d#e#f#g#h#i#j#"));
  const auto record =
      ParseHolidayRecord("01.01.0000#ALL#R_NEWYEAR#ru#en#de#fr#es#zh#it#cs#ja#ko#USA, RUS");
  ASSERT_TRUE(record);
  EXPECT_EQ(HolidayName(*record, 0), "en");
  EXPECT_EQ(HolidayName(*record, 1), "ru");
  EXPECT_EQ(HolidayName(*record, 9), "ko");
  EXPECT_EQ(HolidayName(*record, 42), "en");
}

// Every record of the table is whole, and every yearly holiday falls on exactly one day of every
// year from 1900 to 2100; an anniversary from its own year on.
TEST(HolidayCalendar, EveryRecordOnceInEveryYear) {
  const auto table = HolidayTable();
  ASSERT_EQ(table.size(), 86u);
  std::vector<HolidayRecord> records;
  for (std::string_view text : table) {
    const auto record = ParseHolidayRecord(text);
    ASSERT_TRUE(record) << text;
    EXPECT_EQ(record->picture.substr(0, 2), "R_") << text;
    for (std::string_view name : record->names) EXPECT_FALSE(name.empty()) << text;
    records.push_back(*record);
  }
  for (int year = 1900; year <= 2100; ++year) {
    std::vector<int> days_shown(records.size());
    for (int day = 1; day <= (IsLeapYear(year) ? 366 : 365); ++day) {
      const CalendarDate today = DateOfDayOfYear(year, day);
      const CalendarPlan plan = BuildCalendar(today, year % kLanguageCount);
      ASSERT_GE(plan.cards.size(), 2u);
      ASSERT_LE(plan.cards.size(), 2u + kMaxHolidaysPerDay);
      for (size_t r = 0; r < records.size(); ++r) {
        const ResolvedDate date = ResolveHolidayDate(records[r], today);
        if (date.day == today.day && date.month == today.month && date.year <= year)
          ++days_shown[r];
      }
    }
    for (size_t r = 0; r < records.size(); ++r) {
      const int event_year = ResolveHolidayDate(records[r].date, {year, 1, 1}).year;
      EXPECT_EQ(days_shown[r], event_year <= year ? 1 : 0) << table[r] << " in " << year;
    }
  }
}

}  // namespace
}  // namespace quorvex
