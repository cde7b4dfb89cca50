#include "locale/languages.h"

#include <array>

#include "locale/lang_text.h"

namespace quorvex {

namespace {
// Japanese and Korean have no pictures of their own and show the English ones.
constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {"English", "Eng", "Eng", FlagList::European, 48},
    {"Русский", "Rus", "Rus", FlagList::European, 1},
    {"Deutsche", "Deu", "Deu", FlagList::European, 16},
    {"Français", "Fra", "Fra", FlagList::European, 15},
    {"Español", "Spa", "Spa", FlagList::European, 43},
    {"中文", "Chi", "Chi", FlagList::Asian, 10},
    {"Italiano", "Ita", "Ita", FlagList::European, 24},
    {"Čeština", "Cze", "Cze", FlagList::European, 10},
    {"日本", "Eng", "Jap", FlagList::Asian, 20},
    {"한국인", "Eng", "Kor", FlagList::Asian, 40},
}};
}  // namespace

const LanguageInfo& LanguageOf(int language) {
  return kLanguages[language >= 0 && language < kLanguageCount ? language : 0];
}

std::string_view PictureCode() {
  return LanguageOf(CurrentLanguage()).picture_code;
}

std::string_view VoiceCode() {
  return LanguageOf(CurrentLanguage()).voice_code;
}

std::string OptionsFlagPicture(int language) {
  const LanguageInfo& info = LanguageOf(language);
  const std::string_view code =
      info.picture_code == "Eng" && info.voice_code != "Eng" ? info.voice_code : info.picture_code;
  return "FlagO" + std::string(code);
}

int StartLanguage(int settings_language, bool club_file_russian_mark) {
  if (club_file_russian_mark) return 1;
  return settings_language >= 0 && settings_language < kLanguageCount ? settings_language : 0;
}

}  // namespace quorvex
