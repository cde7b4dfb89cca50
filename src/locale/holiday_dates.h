// Where the holiday table's date expressions fall in a given year, and which holidays a day has.
#pragma once

#include <string_view>
#include <vector>

#include "locale/calendar_date.h"
#include "locale/holiday_record.h"

namespace quorvex {

// A date expression brought to the fixed form: a day and month of the year asked about, and the
// year of the event for an anniversary (0 for a yearly holiday). Day and month 0 never match.
struct ResolvedDate {
  int day = 0;
  int month = 0;
  int year = 0;
  bool operator==(const ResolvedDate&) const = default;
};

// The expression's date in today's year. The weekday forms ("****N.W.MM", "****l.W.MM") match
// only on the day itself, so they resolve to today or to nothing. A malformed expression
// resolves to nothing.
ResolvedDate ResolveHolidayDate(std::string_view expression, const CalendarDate& today);

// The same for a whole record; Programmer`s day moves to the 256th day, 12 September, in a leap
// year.
ResolvedDate ResolveHolidayDate(const HolidayRecord& record, const CalendarDate& today);

// At most this many holidays are shown for one day.
inline constexpr int kMaxHolidaysPerDay = 6;

// The table's records that fall on the day, in table order, at most kMaxHolidaysPerDay. An
// anniversary is not a holiday before the year of its event.
std::vector<HolidayRecord> HolidaysOn(const CalendarDate& today);

}  // namespace quorvex
