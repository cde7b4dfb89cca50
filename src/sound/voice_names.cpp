#include "sound/voice_names.h"

#include "art/card_names.h"
#include "locale/languages.h"

namespace quorvex {

std::string_view VoiceCodeOf(int language) {
  return LanguageOf(language).voice_code;
}

std::string VoiceResourceName(const TCard& card, int language) {
  const std::string base = CardBaseName(card);
  if (base.empty()) return "";
  return base + "Voice" + std::string(VoiceCodeOf(language));
}

std::array<std::string, kVoiceCards * kVoiceLanguages> AllVoiceResourceNames() {
  std::array<std::string, kVoiceCards * kVoiceLanguages> names;
  size_t next = 0;
  for (int language = 0; language < kVoiceLanguages; ++language) {
    const std::string code(VoiceCodeOf(language));
    for (int n = 1; n <= 52; ++n) names[next++] = CardBaseName(DeckCard(n)) + "Voice" + code;
    for (std::string_view joker : kJokerBaseNames)
      names[next++] = std::string(joker) + "Voice" + code;
  }
  return names;
}

}  // namespace quorvex
