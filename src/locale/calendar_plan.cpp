#include "locale/calendar_plan.h"

#include <array>
#include <string_view>

#include "locale/holiday_dates.h"
#include "locale/lang_text.h"

namespace quorvex {

namespace {

constexpr int kDateZodiacX = 17, kDateZodiacY = 65;
constexpr int kPictureX = 3, kPictureY = 27;

int ValidLanguage(int language) {
  return language >= 0 && language < kLanguageCount ? language : 0;
}

// Characters, not bytes, of a UTF-8 text.
int CharacterCount(std::string_view text) {
  int count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

// The row of HolidayScopes for a scope code; -1 for the scopes without a caption.
int ScopeRow(std::string_view scope) {
  static constexpr std::array<std::string_view, 8> kScopes = {"ENG", "RUS", "DEU", "FRA",
                                                              "ISP", "USA", "PRA", "KAT"};
  for (size_t i = 0; i < kScopes.size(); ++i)
    if (kScopes[i] == scope) return static_cast<int>(i);
  return -1;
}

CalendarCard PictureCard(std::string picture, std::string caption) {
  CalendarCard card;
  card.picture = std::move(picture);
  card.x = kPictureX;
  card.y = kPictureY;
  card.caption = std::move(caption);
  return card;
}

}  // namespace

int ZodiacSign(const CalendarDate& date) {
  // Every month has one sign beginning in it; a day before that sign's first day belongs to the
  // sign before.
  static constexpr int kFirstDay[12] = {21, 21, 21, 21, 21, 22, 23, 24, 24, 24, 23, 22};
  // Index by month - 1: the sign whose first day falls in that month.
  static constexpr int kSignStarting[12] = {10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  const int month = date.month >= 1 && date.month <= 12 ? date.month : 1;
  const int starting = kSignStarting[month - 1];
  return date.day >= kFirstDay[month - 1] ? starting : (starting + 11) % 12;
}

int EasternYearAnimal(int year) {
  // Year mod 12 is 4 in a year of the rat.
  return ((year - 4) % 12 + 12) % 12;
}

std::string HolidayCaption(const HolidayRecord& record, int year, int language) {
  language = ValidLanguage(language);
  std::string caption(HolidayName(record, language));
  std::string anniversary;
  const int event_year = ResolveHolidayDate(record.date, {year, 1, 1}).year;
  // In the event's own year the day is the event itself, not an anniversary.
  if (event_year > 0 && year > event_year)
    anniversary =
        std::to_string(year - event_year) + std::string(TextIn(Tx::AnniversarySuffix, 0, language));
  const int scope = ScopeRow(record.scope);
  const std::string scope_caption =
      scope >= 0 ? std::string(TextIn(Tx::HolidayScopes, scope, language)) : std::string();
  if (!anniversary.empty() && !scope_caption.empty())
    caption += " (" + anniversary + ", " + scope_caption + ")";
  else if (!anniversary.empty())
    caption += " (" + anniversary + ")";
  else if (!scope_caption.empty())
    caption += " (" + scope_caption + ")";
  return caption;
}

CalendarPlan BuildCalendar(const CalendarDate& today, int language) {
  language = ValidLanguage(language);
  CalendarPlan plan;

  CalendarCard date;
  date.date_card = true;
  date.day = today.day;
  date.sunday = Weekday(today) == 1;
  date.month = TextIn(Tx::Months, today.month - 1, language);
  date.month_font_size = CharacterCount(date.month) > 8 ? 7 : 8;
  const int sign = ZodiacSign(today);
  date.picture = ZodiacPicture(sign);
  date.x = kDateZodiacX;
  date.y = kDateZodiacY;
  date.caption = TextIn(Tx::Zodiac, sign, language);
  plan.cards.push_back(std::move(date));

  const int animal = EasternYearAnimal(today.year);
  plan.cards.push_back(PictureCard(EasternYearPicture(animal),
                                   std::string(TextIn(Tx::EasternYears, animal, language))));

  for (const HolidayRecord& record : HolidaysOn(today))
    plan.cards.push_back(
        PictureCard(std::string(record.picture), HolidayCaption(record, today.year, language)));
  return plan;
}

}  // namespace quorvex
