#include "locale/passport_text.h"

#include <optional>
#include <string>

#include "locale/club_characters.h"
#include "locale/cp1251.h"

namespace quorvex {

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
    if (!IsClubTextCharacter(byte)) return kPassportRejected;
    if (IsCp1251Cyrillic(byte)) result = kPassportCyrillic;
  }
  return result;
}

}  // namespace quorvex
