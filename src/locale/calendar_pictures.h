// The pictures of the calendar library and where the cards place them. The art generator fills
// the library by these names; the main menu reads them.
#pragma once

#include <string>
#include <vector>

namespace quorvex {

inline constexpr char kCalendarLibrary[] = "ZefCalendar01.dll";

// Every card is drawn on the base picture.
inline constexpr char kCalendarBase[] = "R_BASE";
inline constexpr int kCalendarCardWidth = 60;
inline constexpr int kCalendarCardHeight = 100;
// The zodiac sign of the date card, drawn at (17, 65).
inline constexpr int kZodiacPictureSize = 26;
// The year animal and the holidays, drawn at (3, 27).
inline constexpr int kCalendarPictureWidth = 54;
inline constexpr int kCalendarPictureHeight = 60;

// "R_01" (Aries) .. "R_12" (Pisces) for sign 0..11.
std::string ZodiacPicture(int sign);
// The year animal 0 Rat .. 11 Pig: "R_VOSKRIS" .. "R_VOSPIG0".
std::string EasternYearPicture(int animal);

// Every picture the cards can ask for: the base, the twelve signs, the twelve animals and each
// picture the holiday table names, once each.
std::vector<std::string> CalendarPictureNames();

}  // namespace quorvex
