// Plain Gregorian dates for the holiday calendar: leap years, month lengths, days of the year
// and weekdays, without any clock or locale.
#pragma once

namespace quorvex {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  bool operator==(const CalendarDate&) const = default;
};

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// 1 for the first of January.
int DayOfYear(const CalendarDate& date);
// The date of a day of the year; days outside the year run on into the next or the previous.
CalendarDate DateOfDayOfYear(int year, int day_of_year);
// 1 Sunday .. 7 Saturday, the numbering of the holiday table.
int Weekday(const CalendarDate& date);
// A real day of the Gregorian calendar.
bool IsValidDate(const CalendarDate& date);

}  // namespace quorvex
