// Sending the score of an unrated cycle to the Windows world list under the player's passport:
// the entry sent and when the window's "Send" button may be used.
#pragma once

#include <cstdint>

#include "online/record_entry_write.h"
#include "settings/settings.h"

namespace quorvex {

// The entry for the Windows list: the passport's nick, city, country code and sex, the score.
RecordEntry PassportEntry(const Settings& settings, int64_t score);

// The state of the write window that decides over "Send".
struct ResultOffer {
  bool passport_edited = false;  // the passport was opened from the window
  bool sent = false;             // a result went through: never again
};

// Whether "Send" may be used with the passport as the settings hold it. As the window opens a
// nick and a city the passport accepts will do; once the player edited the passport from the
// window the nick must be free of Cyrillic letters, which not every reader of the list shows.
bool SendAllowed(const Settings& settings, const ResultOffer& offer);

}  // namespace quorvex
