#include "locale/passport_text.h"

#include <optional>
#include <string>

#include "locale/cp1251.h"

namespace quorvex {

namespace {

// "Ё", "ё" and "А".."я" in Windows-1251.
bool IsCyrillic(unsigned char c) {
  return c == 0xA8 || c == 0xB8 || c >= 0xC0;
}

bool IsAllowed(unsigned char c) {
  if (IsCyrillic(c)) return true;
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

}  // namespace

int CheckPassportText(std::string_view text, PassportTextKind kind) {
  if (text.empty()) return kPassportRejected;
  const std::optional<std::string> bytes = Utf8ToCp1251(text);
  if (!bytes) return kPassportRejected;
  const size_t length = bytes->size();
  if (kind == PassportTextKind::Nick && length > 12) return kPassportRejected;
  if (kind == PassportTextKind::City && length > 15) return kPassportRejected;
  if (kind != PassportTextKind::Other && length == 1) return kPassportRejected;

  int result = kPassportLatin;
  for (char c : *bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!IsAllowed(byte)) return kPassportRejected;
    if (IsCyrillic(byte)) result = kPassportCyrillic;
  }
  return result;
}

}  // namespace quorvex
