#include "online/chat_text.h"

#include <optional>

#include "locale/club_characters.h"
#include "locale/cp1251.h"

namespace quorvex {

namespace {

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Walks a UTF-8 text character by character; a byte that is not part of a whole character is
// one character of its own, which no rule admits.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  size_t i = 0;
  while (i < text.size()) {
    size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
    bool whole = length != 0 && i + length <= text.size();
    for (size_t k = 1; whole && k < length; ++k)
      whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (!whole) length = 1;
    visit(text.substr(i, length), whole);
    i += length;
  }
}

bool Admitted(std::string_view character, bool whole, bool time_signs) {
  if (!whole) return false;
  if (time_signs && (character == ":" || character == "/")) return true;
  const std::optional<std::string> byte = Utf8ToCp1251(character);
  return byte && byte->size() == 1 && IsClubTextCharacter(static_cast<unsigned char>((*byte)[0]));
}

std::string Guarded(std::string_view text, size_t max, bool time_signs) {
  std::string out;
  size_t count = 0;
  ForEachCharacter(text, [&](std::string_view character, bool whole) {
    if (count == max) return;
    ++count;
    if (Admitted(character, whole, time_signs)) {
      out += character;
    } else {
      out += '_';
    }
  });
  return out;
}

}  // namespace

std::string ChatSendText(std::string_view typed) {
  return Guarded(typed, kChatTextMax, false);
}

std::string ChatTimeText(std::string_view time, std::string_view date, std::string_view title) {
  // A date or time text is short; a locale's odd format must not make the entry overlong.
  constexpr size_t kPieceMax = 24;
  return Guarded(time, kPieceMax, true) + "_" + Guarded(date, kPieceMax, true) + "_" +
         Guarded(title, kPieceMax, false);
}

std::string ChatShownText(std::string_view text) {
  std::string shown(text);
  for (char& c : shown)
    if (c == '_') c = ' ';
  return shown;
}

bool IsChatText(std::string_view cp1251) {
  if (cp1251.empty() || cp1251.size() > kChatTextMax) return false;
  for (const char c : cp1251)
    if (!IsClubTextCharacter(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace quorvex
