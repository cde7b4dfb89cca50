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

std::array<std::filesystem::path, 2> LibraryCandidates(const std::filesystem::path& working_dir,
                                                       std::string_view file_name) {
  const std::filesystem::path dir = working_dir.lexically_normal();
  std::filesystem::path parent =
      dir.has_filename() ? dir.parent_path() : dir.parent_path().parent_path();
  return {dir / file_name, parent / file_name};
}

}  // namespace quorvex
