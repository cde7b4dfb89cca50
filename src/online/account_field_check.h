// The rules for the account's nick, city, password and e-mail as the player types them.
//
// The texts are UTF-8 (what the window holds); each character is judged by its Windows-1251
// form, the form the account service receives. A character the code page lacks is outside the
// admitted set, so a text that passes always converts for the wire unchanged.
#pragma once

#include <string_view>

namespace quorvex {

enum class AccountField {
  Key = 0,       // one typed character
  Nick = 1,      // 2..12 characters
  City = 2,      // 2..15
  Password = 3,  // 4..12
  EMail = 4,     // 2..30, with an "@" that is neither first nor last
};

enum AccountCheck {
  kAccountInvalid = 1,
  kAccountCyrillic = 2,  // valid, holds Cyrillic letters (a city only)
  kAccountLatin = 3,     // valid, Latin letters, digits and ! ( ) , - . @ _ only
};

// 1, 2 or 3 as above. The admitted characters are the Latin and the Cyrillic letters of the
// code page (including Ё and ё), the digits and ! ( ) , - . @ _; nick, password and e-mail
// admit no Cyrillic letter. An empty text is invalid for every kind.
int AccountFieldCheck(std::string_view text, AccountField kind);

// Whether a key typed into a field is kept. Backspace always is. The city takes any admitted
// character; the nick, the password and the e-mail only those without Cyrillic, since a
// Cyrillic letter could only make them invalid.
bool AccountKeyAccepted(char32_t key, AccountField field);

}  // namespace quorvex
