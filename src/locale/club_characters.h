// The characters a club name, a passport or an account field may hold, judged on their
// Windows-1251 byte: the Latin and the Russian letters, the digits and ! ( ) , - . @ _. The game
// and the server check with the same rule.
#pragma once

namespace quorvex {

// "Ё", "ё" and "А".."я" in Windows-1251.
inline bool IsCp1251Cyrillic(unsigned char c) {
  return c == 0xA8 || c == 0xB8 || c >= 0xC0;
}

inline bool IsClubTextCharacter(unsigned char c) {
  if (IsCp1251Cyrillic(c)) return true;
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '!':
    case '(':
    case ')':
    case ',':
    case '-':
    case '.':
    case '@':
    case '_':
      return true;
    default:
      return false;
  }
}

}  // namespace quorvex
