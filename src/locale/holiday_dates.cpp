#include "locale/holiday_dates.h"

#include "locale/easter.h"

namespace quorvex {

namespace {

constexpr std::string_view kProgrammersDay = "День программиста";

// Digits only, else -1.
int Number(std::string_view digits) {
  if (digits.empty()) return -1;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

ResolvedDate Fixed(const CalendarDate& date) {
  return {date.day, date.month, 0};
}

// "pasha.p000", "pasha.k+40", "pasha.p-07".
ResolvedDate EasterOffset(std::string_view expression, int year) {
  const char church = expression[6];
  if (church != 'p' && church != 'k') return {};
  const std::string_view offset = expression.substr(7);
  int days = 0;
  if (offset != "000") {
    const int amount = Number(offset.substr(1));
    if ((offset[0] != '+' && offset[0] != '-') || amount < 0) return {};
    days = offset[0] == '-' ? -amount : amount;
  }
  const CalendarDate easter = church == 'p' ? OrthodoxEaster(year) : CatholicEaster(year);
  const CalendarDate day = DateOfDayOfYear(year, DayOfYear(easter) + days);
  // An offset that leaves the year has no day in this one.
  return day.year == year ? Fixed(day) : ResolvedDate{};
}

// "****3.2.01" (third Monday of January) and "****l.5.05" (last Thursday of May).
ResolvedDate WeekdayInMonth(std::string_view expression, const CalendarDate& today) {
  if (expression[5] != '.' || expression[7] != '.') return {};
  const int weekday = Number(expression.substr(6, 1));
  const int month = Number(expression.substr(8, 2));
  if (weekday < 1 || weekday > 7 || month != today.month || Weekday(today) != weekday) return {};
  const char which = expression[4];
  if (which == 'l') {
    const int length = DaysInMonth(today.year, today.month);
    return today.day > length - 7 ? Fixed(today) : ResolvedDate{};
  }
  const int nth = Number(expression.substr(4, 1));
  return nth >= 1 && (today.day - 1) / 7 + 1 == nth ? Fixed(today) : ResolvedDate{};
}

}  // namespace

ResolvedDate ResolveHolidayDate(std::string_view expression, const CalendarDate& today) {
  if (expression.size() != 10) return {};
  if (expression.substr(0, 6) == "pasha.") return EasterOffset(expression, today.year);
  if (expression.substr(0, 4) == "****") return WeekdayInMonth(expression, today);
  if (expression[2] != '.' || expression[5] != '.') return {};
  const int day = Number(expression.substr(0, 2));
  const int month = Number(expression.substr(3, 2));
  const int year = Number(expression.substr(6, 4));
  if (year < 0 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(2000, month)) return {};
  return {day, month, year};
}

ResolvedDate ResolveHolidayDate(const HolidayRecord& record, const CalendarDate& today) {
  if (record.names[0] == kProgrammersDay && IsLeapYear(today.year)) return {12, 9, 0};
  return ResolveHolidayDate(record.date, today);
}

std::vector<HolidayRecord> HolidaysOn(const CalendarDate& today) {
  std::vector<HolidayRecord> found;
  for (std::string_view text : HolidayTable()) {
    const auto record = ParseHolidayRecord(text);
    if (!record) continue;
    const ResolvedDate date = ResolveHolidayDate(*record, today);
    if (date.day != today.day || date.month != today.month || date.year > today.year) continue;
    found.push_back(*record);
    if (static_cast<int>(found.size()) == kMaxHolidaysPerDay) break;
  }
  return found;
}

}  // namespace quorvex
