// The ten interface languages: the name the language list shows, the code of the per-language
// pictures, the code of the spoken card names and the flag drawn before the name.
#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// Which flag image list a language's flag is taken from.
enum class FlagList { European, Asian };

struct LanguageInfo {
  std::string_view list_text;     // in the language itself
  std::string_view picture_code;  // appended to per-language picture names ("CapEng")
  std::string_view voice_code;    // selects the spoken card names
  FlagList flag_list;
  int flag_index;
};

// Language 0..9; anything else gives English.
const LanguageInfo& LanguageOf(int language);

// Of the current language.
std::string_view PictureCode();
std::string_view VoiceCode();

// The flag picture of the options dialog: "FlagO" + the picture code, but Japanese and Korean,
// whose other pictures are the English ones, have flags of their own.
std::string OptionsFlagPicture(int language);

// The language the program starts in: the settings file's, unless the local club file carries
// the Russian mark.
int StartLanguage(int settings_language, bool club_file_russian_mark);

}  // namespace quorvex
