#include "locale/holiday_record.h"

namespace quorvex {

std::optional<HolidayRecord> ParseHolidayRecord(std::string_view text) {
  if (text.size() < 26 || text[10] != '#' || text[14] != '#' || text[24] != '#') return {};
  HolidayRecord record;
  record.date = text.substr(0, 10);
  record.scope = text.substr(11, 3);
  record.picture = text.substr(15, 9);
  std::string_view rest = text.substr(25);
  for (std::string_view& name : record.names) {
    const size_t end = rest.find('#');
    if (end == std::string_view::npos) return {};
    name = rest.substr(0, end);
    rest.remove_prefix(end + 1);
  }
  return record;
}

std::string_view HolidayName(const HolidayRecord& record, int language) {
  if (language < 0 || language >= kHolidayNames) language = 0;
  // The record holds Russian before English; the interface counts English first.
  if (language <= 1) language = 1 - language;
  return record.names[static_cast<size_t>(language)];
}

}  // namespace quorvex
