#include "locale/calendar_pictures.h"

#include <algorithm>
#include <array>

#include "locale/holiday_record.h"

namespace quorvex {

std::string ZodiacPicture(int sign) {
  const int n = (sign % 12 + 12) % 12 + 1;
  return std::string("R_") + char('0' + n / 10) + char('0' + n % 10);
}

std::string EasternYearPicture(int animal) {
  static constexpr std::array<const char*, 12> kPictures = {
      "R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK",
      "R_VOSHORS", "R_VOSKOZA", "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};
  return kPictures[static_cast<size_t>((animal % 12 + 12) % 12)];
}

std::vector<std::string> CalendarPictureNames() {
  std::vector<std::string> names{kCalendarBase};
  for (int i = 0; i < 12; ++i) names.push_back(ZodiacPicture(i));
  for (int i = 0; i < 12; ++i) names.push_back(EasternYearPicture(i));
  for (std::string_view text : HolidayTable())
    if (const auto record = ParseHolidayRecord(text)) {
      const std::string picture(record->picture);
      if (std::find(names.begin(), names.end(), picture) == names.end()) names.push_back(picture);
    }
  return names;
}

}  // namespace quorvex
