// One record of the holiday table: a text "date#SCP#PICTURE##name#name#...#" with the date
// expression in positions 1-10, the scope code in 12-14, the picture in 16-24 and from 26 on
// ten names in the order Russian, English, German, French, Spanish, Chinese, Italian, Czech,
// Japanese, Korean, each closed by "#". Anything after the tenth name is a remark.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr int kHolidayNames = 10;

struct HolidayRecord {
  std::string_view date;     // "DD.MM.YYYY", "pasha.p+40", "****3.2.01", "****l.2.05"
  std::string_view scope;    // "RUS", "USA", "ALL", ...
  std::string_view picture;  // a picture of the calendar library
  std::array<std::string_view, kHolidayNames> names;  // UTF-8, Russian first
};

// The parts of a record; nothing when its layout is broken (short, a missing "#", fewer than
// ten names). The views point into the text.
std::optional<HolidayRecord> ParseHolidayRecord(std::string_view text);

// The record's name for an interface language (English 0, Russian 1, then the record's own
// order); English for a language outside 0..9.
std::string_view HolidayName(const HolidayRecord& record, int language);

// The holiday table compiled into the program, in its order.
std::span<const std::string_view> HolidayTable();

}  // namespace quorvex
