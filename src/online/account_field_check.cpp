#include "online/account_field_check.h"

#include <optional>
#include <string>

#include "locale/club_characters.h"
#include "locale/cp1251.h"

namespace quorvex {

namespace {

bool LengthFits(size_t length, AccountField kind) {
  switch (kind) {
    case AccountField::Key:
      return true;
    case AccountField::Nick:
      return length >= 2 && length <= 12;
    case AccountField::City:
      return length >= 2 && length <= 15;
    case AccountField::Password:
      return length >= 4 && length <= 12;
    case AccountField::EMail:
      return length >= 2 && length <= 30;
  }
  return false;
}

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace

int AccountFieldCheck(std::string_view text, AccountField kind) {
  if (text.empty()) return kAccountInvalid;
  const std::optional<std::string> bytes = Utf8ToCp1251(text);
  if (!bytes || !LengthFits(bytes->size(), kind)) return kAccountInvalid;

  int result = kAccountLatin;
  for (const char c : *bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!IsClubTextCharacter(byte)) return kAccountInvalid;
    if (IsCp1251Cyrillic(byte)) result = kAccountCyrillic;
  }
  const bool latin_only =
      kind == AccountField::Nick || kind == AccountField::Password || kind == AccountField::EMail;
  if (latin_only && result == kAccountCyrillic) return kAccountInvalid;
  if (kind == AccountField::EMail) {
    const size_t at = bytes->find('@');
    if (at == std::string::npos || at == 0 || at + 1 == bytes->size()) return kAccountInvalid;
  }
  return result;
}

bool AccountKeyAccepted(char32_t key, AccountField field) {
  if (key == U'\b') return true;
  if (key > 0x10FFFF || (key >= 0xD800 && key <= 0xDFFF)) return false;
  const int check = AccountFieldCheck(Utf8Of(key), AccountField::Key);
  return field == AccountField::City ? check >= kAccountCyrillic : check == kAccountLatin;
}

}  // namespace quorvex
