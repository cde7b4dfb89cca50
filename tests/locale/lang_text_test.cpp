#include "locale/lang_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace quorvex {
namespace {

// Restores English after each test; the language is global.
class LangTextTest : public ::testing::Test {
 protected:
  ~LangTextTest() override { SetCurrentLanguage(0); }
};

TEST_F(LangTextTest, EveryTextHasTenNonEmptyEntriesInEveryRow) {
  for (int t = 0; t < static_cast<int>(Tx::Count_); ++t) {
    const Tx table = static_cast<Tx>(t);
    ASSERT_GE(TextRows(table), 1) << TextName(table);
    for (int row = 0; row < TextRows(table); ++row)
      for (int language = 0; language < kLanguageCount; ++language) {
        const std::string_view text = TextIn(table, row, language);
        EXPECT_FALSE(text.empty()) << TextName(table) << " row " << row << " language " << language;
      }
  }
}

TEST_F(LangTextTest, TellingRowsReadExactlyInTheLanguageOrder) {
  struct Case {
    Tx table;
    std::array<const char*, kLanguageCount> entries;
  };
  const Case cases[] = {
      {Tx::Options,
       {"Options", "Опции", "Optionen", "Options", "Opciones", "選項", "Opzioni", "Možnosti",
        "オプション", "옵션"}},
      {Tx::Sound,
       {"Sound", "Звук", "Sound", "Sonner", "Sonar", "聲音", "Suono", "Zvuk", "音", "소리"}},
      {Tx::Music,
       {"Music", "Музыка", "Musik", "Musique", "Música", "音樂", "Musica", "Hudba", "音楽",
        "음악"}},
      {Tx::CantFindFile,
       {"Can`t find the file", "Не могу найти файл", "Kann nicht finden Datei",
        "Impossible de trouver le fichier", "No puedo encontrar el archivo", "找不到文件",
        "Non riesco a trovare il file", "Soubor nelze najít", "ファイルが見つかりません",
        "파일을 찾을 수 없습니다"}},
      {Tx::CantSaveOptions,
       {"Can`t save options!", "Не могу сохранить опции!",
        "Optionen kann nicht gespeichert werden!", "Impossible d`enregistrer les options!",
        "¡No se pueden guardar opciones!", "無法保存選項！", "Impossibile salvare le opzioni!",
        "Možnosti nelze uložit!", "オプションを保存できません！", "옵션을 저장할 수 없습니다!"}},
  };
  for (const Case& c : cases)
    for (int language = 0; language < kLanguageCount; ++language) {
      SetCurrentLanguage(language);
      EXPECT_EQ(Text(c.table), c.entries[language]) << TextName(c.table) << " " << language;
    }
}

TEST_F(LangTextTest, RowsOfATableFollowTheLanguage) {
  ASSERT_EQ(TextRows(Tx::ClubHeader), 3);
  SetCurrentLanguage(0);
  EXPECT_EQ(Text(Tx::ClubHeader), "Mode");
  EXPECT_EQ(Text(Tx::ClubHeader, 0), "Mode");
  EXPECT_EQ(Text(Tx::ClubHeader, 1), " The members of club    Games    Score ");
  EXPECT_EQ(Text(Tx::ClubHeader, 2), " The members of club    Games   Rating ");
  SetCurrentLanguage(1);
  EXPECT_EQ(Text(Tx::ClubHeader, 0), "Режим");
  EXPECT_EQ(Text(Tx::ClubHeader, 2).find("Рейтинг") != std::string::npos, true);
  // Past the last row, or before the first, there is no text rather than a neighbour's.
  EXPECT_EQ(Text(Tx::ClubHeader, 3), "");
  EXPECT_EQ(Text(Tx::ClubHeader, -1), "");
  EXPECT_EQ(Text(Tx::Options, 1), "");
}

TEST_F(LangTextTest, AnUnknownLanguageCountsAsEnglish) {
  for (int language : {-1, 10, 20}) {
    SetCurrentLanguage(language);
    EXPECT_EQ(CurrentLanguage(), 0);
    EXPECT_EQ(Text(Tx::Options), "Options");
  }
  EXPECT_EQ(TextIn(Tx::Options, 0, 10), "");
}

TEST_F(LangTextTest, GameWordingIsKeptInEnglish) {
  EXPECT_EQ(Text(Tx::AllDataLost), "All datas for want of it will be lost!");
  EXPECT_EQ(Text(Tx::NoTrumpLabel), "WT");
  EXPECT_EQ(Text(Tx::ProductTitle), "Quorvex");
}

TEST_F(LangTextTest, ACaptionMadeBeforeASwitchIsFoundInTheNewLanguage) {
  EXPECT_EQ(Retranslate("Next game", 0, 1), "Следующая игра");
  EXPECT_EQ(Retranslate("Следующая игра", 1, 9), "다음 게임");
  EXPECT_EQ(Retranslate("다음 게임", 9, 0), "Next game");
  // A row of a table turns into the same row.
  EXPECT_EQ(Retranslate(" The members of club    Games   Rating ", 0, 1).find("Рейтинг") !=
                std::string::npos,
            true);
  // "Options" is English and French alike.
  EXPECT_EQ(Retranslate("Options", 0, 3), "Options");
  // The play button's fixed "OK" is in no English text, though Japanese writes "OK" for "Ok".
  EXPECT_EQ(Retranslate("OK", 0, 5), "OK");
  EXPECT_EQ(Retranslate("Player 7", 0, 1), "Player 7");
  EXPECT_EQ(Retranslate("Next game", 0, 12), "Next game");
}

}  // namespace
}  // namespace quorvex
