// The check of the passport's nick and city as the player types them.
#pragma once

#include <string_view>

namespace quorvex {

enum class PassportTextKind { Other = 0, Nick = 1, City = 2 };

enum PassportCheck {
  kPassportRejected = 1,
  kPassportCyrillic = 2,  // accepted, holds Cyrillic letters
  kPassportLatin = 3,     // accepted, Latin letters, digits and signs only
};

// Judges a UTF-8 text by its Windows-1251 form: a nick has 2..12 characters, a city 2..15; the
// characters allowed are the Russian and Latin letters, the digits and ! ( ) , - . @ _. A
// character the code page lacks is a character outside that set.
int CheckPassportText(std::string_view text, PassportTextKind kind);

}  // namespace quorvex
