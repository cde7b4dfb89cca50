// Easter of both churches, checked against the computus written out independently here: the
// Meeus/Jones/Butcher rule for the Gregorian date, Meeus's Julian rule turned into a Gregorian
// date through the Julian day number.
#include "locale/easter.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

long GregorianDayNumber(int y, int m, int d) {
  const int a = (14 - m) / 12;
  const long yy = y + 4800 - a, mm = m + 12 * a - 3;
  return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

long JulianDayNumber(int y, int m, int d) {
  const int a = (14 - m) / 12;
  const long yy = y + 4800 - a, mm = m + 12 * a - 3;
  return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}

long WesternEasterDay(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25;
  const int g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return GregorianDayNumber(y, month, day);
}

long EasternEasterDay(int y) {
  const int a = y % 4, b = y % 7, c = y % 19, d = (19 * c + 15) % 30;
  const int e = (2 * a + 4 * b - d + 34) % 7;
  const int month = (d + e + 114) / 31, day = (d + e + 114) % 31 + 1;
  return JulianDayNumber(y, month, day);
}

long DayNumber(const CalendarDate& date) {
  return GregorianDayNumber(date.year, date.month, date.day);
}

TEST(Easter, KnownYearsOfBothChurches) {
  struct Case {
    int year;
    CalendarDate orthodox, catholic;
  };
  const Case cases[] = {
      {2010, {2010, 4, 4}, {2010, 4, 4}},
      {2021, {2021, 5, 2}, {2021, 4, 4}},
      {2024, {2024, 5, 5}, {2024, 3, 31}},
      {2025, {2025, 4, 20}, {2025, 4, 20}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OrthodoxEaster(c.year), c.orthodox) << c.year;
    EXPECT_EQ(CatholicEaster(c.year), c.catholic) << c.year;
  }
}

TEST(Easter, EveryYearAgreesWithTheIndependentComputus) {
  for (int year = 1900; year <= 2100; ++year) {
    const CalendarDate orthodox = OrthodoxEaster(year), catholic = CatholicEaster(year);
    EXPECT_EQ(DayNumber(orthodox), EasternEasterDay(year)) << year;
    EXPECT_EQ(DayNumber(catholic), WesternEasterDay(year)) << year;
    // Both fall on a Sunday of their own year.
    EXPECT_EQ(Weekday(orthodox), 1) << year;
    EXPECT_EQ(Weekday(catholic), 1) << year;
    EXPECT_TRUE(IsValidDate(orthodox) && IsValidDate(catholic)) << year;
  }
}

TEST(CalendarDate, LeapYearsDaysAndWeekdays) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DayOfYear({2024, 9, 12}), 256);
  EXPECT_EQ(DayOfYear({2023, 9, 13}), 256);
  EXPECT_EQ(DateOfDayOfYear(2024, 366), (CalendarDate{2024, 12, 31}));
  EXPECT_EQ(DateOfDayOfYear(2023, 366), (CalendarDate{2024, 1, 1}));
  EXPECT_EQ(DateOfDayOfYear(2024, 0), (CalendarDate{2023, 12, 31}));
  EXPECT_EQ(Weekday({2024, 1, 15}), 2);   // a Monday
  EXPECT_EQ(Weekday({1900, 1, 1}), 2);    // a Monday
  EXPECT_EQ(Weekday({2100, 12, 31}), 6);  // a Friday
  EXPECT_EQ(Weekday({2026, 12, 11}), 6);
}

}  // namespace
}  // namespace quorvex
