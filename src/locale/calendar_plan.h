// What the main menu's calendar cards show for a day: the date card with the western zodiac
// sign, the eastern year, and the day's holidays, each with the caption its hint shows. The
// window draws the cards from the calendar library's pictures.
#pragma once

#include <string>
#include <vector>

#include "locale/calendar_date.h"
#include "locale/calendar_pictures.h"
#include "locale/holiday_record.h"

namespace quorvex {

struct CalendarCard {
  std::string picture;  // drawn over the base at (x, y)
  int x = 0;
  int y = 0;
  std::string caption;  // the hint, UTF-8
  // The date card only: the day's number (red on Sundays) and the month's name.
  bool date_card = false;
  int day = 0;
  bool sunday = false;
  std::string month;
  int month_font_size = 8;  // 7 for a name longer than 8 characters
};

// Card 1 the date, card 2 the eastern year, then up to six holidays.
struct CalendarPlan {
  std::vector<CalendarCard> cards;
};

// The cards of a day in an interface language (0..9; anything else counts as English).
CalendarPlan BuildCalendar(const CalendarDate& today, int language);

// 0 Aries .. 11 Pisces.
int ZodiacSign(const CalendarDate& date);
// The eastern year's animal, 0 Rat .. 11 Pig, counted from the calendar year.
int EasternYearAnimal(int year);

// A holiday's caption: the name, then in brackets the anniversary and the scope caption where
// there are any: "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)".
std::string HolidayCaption(const HolidayRecord& record, int year, int language);

}  // namespace quorvex
