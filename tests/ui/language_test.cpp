// A language chosen while the window is up re-captions it at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGlyphRun>
#include <QTextLayout>

#include <QTabWidget>

#include "locale/lang_text.h"
#include "settings/settings.h"
#include "ui/dialogs/options_dialog.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

QString U(const char* text) {
  return QString::fromUtf8(text);
}

class LanguageTest : public WindowTest {
 protected:
  LanguageTest() {
    window.SetSettings(&settings);
    options.SetApply([this](OptionsChange change) {
      if (change == OptionsChange::Language) window.ChooseLanguage(settings.Language);
    });
  }
  ~LanguageTest() override { SetCurrentLanguage(0); }

  // As the player picks it from the options dialog's list.
  void Pick(int language) { options.LanguageList()->setCurrentIndex(language); }

  Settings settings;
  TFormOptions options{settings, &window};
};

TEST_F(LanguageTest, TheOptionsChooseALanguageAndEverythingIsReCaptionedAtOnce) {
  Click(QPoint(380, 250));
  ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_TRUE(window.OptionsButton()->isVisible());
  QComboBox* chooser = options.LanguageList();
  ASSERT_EQ(chooser->count(), kLanguageCount);
  EXPECT_EQ(chooser->itemText(1), U("Русский"));
  EXPECT_EQ(chooser->itemText(9), U("한국인"));
  EXPECT_EQ(window.PlayButton()->text(), U("Play against the computer"));

  Pick(1);
  EXPECT_EQ(CurrentLanguage(), 1);
  EXPECT_EQ(settings.Language, 1);
  EXPECT_EQ(window.PlayButton()->text(), U("Играть с компьютером"));
  EXPECT_EQ(window.ExitButton()->text(), U("Выход"));
  EXPECT_EQ(window.windowTitle(), U("Quorvex"));
  EXPECT_EQ(window.OptionsButton()->text(), U("Опции"));
  EXPECT_EQ(options.windowTitle(), U("Опции"));
  EXPECT_EQ(options.Pages()->tabText(1), U("Карты"));
  SaveShot("menu_ru");
  Pick(5);
  EXPECT_EQ(window.PlayButton()->text(), U("與電腦對戰"));
  SaveShot("menu_zh");
  Pick(9);
  EXPECT_EQ(window.ExitButton()->text(), U("종료"));
  EXPECT_EQ(settings.Language, 9);
  SaveShot("menu_ko");

  Pick(0);
  EXPECT_EQ(window.PlayButton()->text(), U("Play against the computer"));
  EXPECT_EQ(settings.Language, 0);
}

TEST_F(LanguageTest, TheTableAndTheBiddingDialogFollowASwitch) {
  StartGame();
  EXPECT_FALSE(window.OptionsButton()->isVisible());
  EXPECT_EQ(window.MainButton()->text(), U("To Begin of Round"));

  window.ChooseLanguage(1);
  EXPECT_EQ(window.MainButton()->text(), U("Начать раунд"));
  EXPECT_EQ(window.EndButton()->text(), U("Выход в меню"));
  EXPECT_EQ(window.GeneralScoreAction()->text(), U("Общий счёт"));
  EXPECT_EQ(window.ExitToMenuAction()->text(), U("Выход в меню"));
  SaveShot("table_ru");

  PlayDrawPhase();
  Settle();
  TFormTorg* dialog = window.BiddingDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), U("Торговля"));
  EXPECT_EQ(dialog->PassButton()->text(), U("Пас"));
  EXPECT_EQ(dialog->BidButton(5)->text(), U("1 БК"));

  window.ChooseLanguage(9);
  EXPECT_EQ(dialog->windowTitle(), U("비딩"));
  EXPECT_EQ(dialog->PassButton()->text(), U("패스"));
  EXPECT_EQ(dialog->DoubleButton()->text(), U("더블"));
  EXPECT_EQ(dialog->BidButton(35)->text(), U("7 NT"));
  SaveShot("auction_ko");
  window.ChooseLanguage(5);
  EXPECT_EQ(dialog->BidButton(10)->text(), U("2 無將"));
  SaveShot("auction_zh");

  window.ChooseLanguage(0);
  EXPECT_EQ(dialog->windowTitle(), U("Trade"));
  EXPECT_EQ(window.EndButton()->text(), U("Exit to menu"));
  answer = true;
  EXPECT_TRUE(window.close());
}

// The controller keeps its captions and may send one again after a switch: it is shown in the
// new language all the same, and a caption made after the switch is shown as it is.
TEST_F(LanguageTest, ACaptionSentAgainAfterASwitchIsShownTranslated) {
  StartGame();
  TableView& view = window;
  const std::string next_game = Text(Tx::NextGame);
  view.SetMainButton({next_game, false, true});
  view.ShowWaitText(Text(Tx::ExpectationOfServer));

  window.ChooseLanguage(1);
  EXPECT_EQ(window.MainButton()->text(), U("Следующая игра"));
  EXPECT_EQ(window.Model().wait_text, "Ожидание сервера...");
  view.SetMainButton({next_game, true, true});
  EXPECT_EQ(window.MainButton()->text(), U("Следующая игра"));
  view.SetMainButton({"OK", false, true});
  EXPECT_EQ(window.MainButton()->text(), U("OK"));
  view.SetMainButton({Text(Tx::ToBeginOfRound), true, true});
  EXPECT_EQ(window.MainButton()->text(), U("Начать раунд"));
  window.ChooseLanguage(3);
  EXPECT_EQ(window.MainButton()->text(), U("Commencer la manche"));
  answer = true;
  EXPECT_TRUE(window.close());
}

TEST_F(LanguageTest, TheForecastCaptionSurvivesASwitch) {
  StartGame();
  TableView& view = window;
  view.SetForecastMode(true);
  view.ShowForecastLine(" Прогноз: Взяток PC=[к=7]");
  window.ChooseLanguage(8);
  EXPECT_EQ(window.windowTitle(), U("Quorvex Прогноз: Взяток PC=[к=7]"));
  answer = true;
  EXPECT_TRUE(window.close());
}

// Every text of every language can be drawn in the window's font: where the font lacks a script,
// the fonts the set-up installs stand in, and no glyph is missing.
TEST(LanguageFonts, EveryTextHasAllItsGlyphs) {
  const QFont font(QStringLiteral("DejaVu Sans"));
  for (int t = 0; t < static_cast<int>(Tx::Count_); ++t) {
    const Tx table = static_cast<Tx>(t);
    for (int row = 0; row < TextRows(table); ++row)
      for (int language = 0; language < kLanguageCount; ++language) {
        const std::string_view entry = TextIn(table, row, language);
        QString text = QString::fromUtf8(entry.data(), qsizetype(entry.size()));
        text.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        bool complete = true;
        for (const QGlyphRun& run : layout.glyphRuns())
          for (quint32 glyph : run.glyphIndexes()) complete = complete && glyph != 0;
        EXPECT_TRUE(complete) << TextName(table) << " row " << row << ": " << text.toStdString();
      }
  }
}

}  // namespace
}  // namespace quorvex::testing
