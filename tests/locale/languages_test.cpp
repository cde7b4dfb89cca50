#include "locale/languages.h"

#include <gtest/gtest.h>

#include "locale/lang_text.h"

namespace quorvex {
namespace {

TEST(Languages, ListTextsCodesAndFlagsOfEveryLanguage) {
  struct Row {
    const char* list_text;
    const char* picture;
    const char* voice;
    FlagList flags;
    int flag;
    const char* options_flag;
  };
  const Row rows[kLanguageCount] = {
      {"English", "Eng", "Eng", FlagList::European, 48, "FlagOEng"},
      {"Русский", "Rus", "Rus", FlagList::European, 1, "FlagORus"},
      {"Deutsche", "Deu", "Deu", FlagList::European, 16, "FlagODeu"},
      {"Français", "Fra", "Fra", FlagList::European, 15, "FlagOFra"},
      {"Español", "Spa", "Spa", FlagList::European, 43, "FlagOSpa"},
      {"中文", "Chi", "Chi", FlagList::Asian, 10, "FlagOChi"},
      {"Italiano", "Ita", "Ita", FlagList::European, 24, "FlagOIta"},
      {"Čeština", "Cze", "Cze", FlagList::European, 10, "FlagOCze"},
      // Japanese and Korean show the English pictures but speak and fly their own flags.
      {"日本", "Eng", "Jap", FlagList::Asian, 20, "FlagOJap"},
      {"한국인", "Eng", "Kor", FlagList::Asian, 40, "FlagOKor"},
  };
  for (int language = 0; language < kLanguageCount; ++language) {
    const LanguageInfo& info = LanguageOf(language);
    const Row& row = rows[language];
    EXPECT_EQ(info.list_text, row.list_text) << language;
    EXPECT_EQ(info.picture_code, row.picture) << language;
    EXPECT_EQ(info.voice_code, row.voice) << language;
    EXPECT_EQ(info.flag_list, row.flags) << language;
    EXPECT_EQ(info.flag_index, row.flag) << language;
    EXPECT_EQ(OptionsFlagPicture(language), row.options_flag) << language;
  }
}

TEST(Languages, CodesFollowTheCurrentLanguage) {
  SetCurrentLanguage(9);
  EXPECT_EQ(PictureCode(), "Eng");
  EXPECT_EQ(VoiceCode(), "Kor");
  SetCurrentLanguage(7);
  EXPECT_EQ(PictureCode(), "Cze");
  EXPECT_EQ(VoiceCode(), "Cze");
  SetCurrentLanguage(0);
  EXPECT_EQ(LanguageOf(15).list_text, "English");
}

TEST(Languages, StartLanguage) {
  EXPECT_EQ(StartLanguage(0, false), 0);
  EXPECT_EQ(StartLanguage(5, false), 5);
  // The club file's mark wins over the settings file.
  EXPECT_EQ(StartLanguage(0, true), 1);
  EXPECT_EQ(StartLanguage(9, true), 1);
  // Codes the settings file can carry but no language has.
  EXPECT_EQ(StartLanguage(15, false), 0);
  EXPECT_EQ(StartLanguage(-1, false), 0);
}

}  // namespace
}  // namespace quorvex
