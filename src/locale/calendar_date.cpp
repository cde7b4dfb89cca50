#include "locale/calendar_date.h"

namespace quorvex {

namespace {

// Days since 1 March of year 0 in the proleptic Gregorian calendar; years start in March so
// that the leap day falls last.
long DayNumber(const CalendarDate& date) {
  const long y = date.month <= 2 ? date.year - 1L : date.year;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long year_of_era = y - era * 400;
  const long m = date.month > 2 ? date.month - 3 : date.month + 9;
  const long day_of_year = (153 * m + 2) / 5 + date.day - 1;
  const long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era;
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int DayOfYear(const CalendarDate& date) {
  int day = date.day;
  for (int m = 1; m < date.month; ++m) day += DaysInMonth(date.year, m);
  return day;
}

CalendarDate DateOfDayOfYear(int year, int day_of_year) {
  while (day_of_year < 1) day_of_year += IsLeapYear(--year) ? 366 : 365;
  for (;;) {
    const int length = IsLeapYear(year) ? 366 : 365;
    if (day_of_year <= length) break;
    day_of_year -= length;
    ++year;
  }
  int month = 1;
  while (day_of_year > DaysInMonth(year, month)) day_of_year -= DaysInMonth(year, month++);
  return {year, month, day_of_year};
}

int Weekday(const CalendarDate& date) {
  // 1 March of year 0 was a Wednesday.
  const long days = DayNumber(date) + 3;
  return static_cast<int>(((days % 7) + 7) % 7) + 1;
}

bool IsValidDate(const CalendarDate& date) {
  return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

}  // namespace quorvex
