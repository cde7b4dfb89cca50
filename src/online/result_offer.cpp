#include "online/result_offer.h"

#include "locale/cp1251.h"
#include "locale/passport_text.h"
#include "online/world_records.h"

namespace quorvex {

RecordEntry PassportEntry(const Settings& settings, int64_t score) {
  RecordEntry entry;
  entry.list = kWindowsList;
  entry.nick = Cp1251ToUtf8(settings.TopTenNick);
  entry.city = Cp1251ToUtf8(settings.TopTenCity);
  entry.country = Cp1251ToUtf8(settings.TopTenCountry);
  entry.score = score;
  // The server takes only the two letters; anything else in a damaged file is a man.
  entry.sex = settings.TopTenSex == "W" ? 'W' : 'M';
  return entry;
}

bool SendAllowed(const Settings& settings, const ResultOffer& offer) {
  if (offer.sent) return false;
  const int nick = CheckPassportText(Cp1251ToUtf8(settings.TopTenNick), PassportTextKind::Nick);
  const int city = CheckPassportText(Cp1251ToUtf8(settings.TopTenCity), PassportTextKind::City);
  if (city < kPassportCyrillic) return false;
  return offer.passport_edited ? nick == kPassportLatin : nick >= kPassportCyrillic;
}

}  // namespace quorvex
