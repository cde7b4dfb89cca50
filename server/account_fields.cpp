#include "account_fields.h"

#include "locale/club_characters.h"

namespace quorvex::server {

int CheckAccountField(const QByteArray& text, AccountField kind) {
  const qsizetype n = text.size();
  const qsizetype max = kind == AccountField::Nick       ? 12
                        : kind == AccountField::City     ? 15
                        : kind == AccountField::Password ? 12
                                                         : 30;
  const qsizetype min = kind == AccountField::Password ? 4 : 2;
  if (n < min || n > max) return 1;
  bool cyrillic = false;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (!IsClubTextCharacter(u)) return 1;
    cyrillic = cyrillic || IsCp1251Cyrillic(u);
  }
  if (cyrillic && kind != AccountField::City) return 1;
  if (kind == AccountField::EMail) {
    // Somewhere after the first character and before the last.
    const qsizetype at = text.indexOf('@', 1);
    if (at < 0 || at == n - 1) return 1;
  }
  return cyrillic ? 2 : 3;
}

bool ReplySafe(const QByteArray& value, int max) {
  if (value.isEmpty() || value.size() > max) return false;
  for (const char c : value) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u == 0x7F || c == '$' || c == '*' || c == '~' || c == '&') return false;
  }
  return true;
}

bool ProfileSafe(const QByteArray& value, int max) {
  if (value.size() > max) return false;
  for (const char c : value) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '$' || c == '~') return false;
  }
  return true;
}

QByteArray NickKey(const QByteArray& nick) {
  QByteArray key = nick;
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return key;
}

}  // namespace quorvex::server
