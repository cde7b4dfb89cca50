// The About window and the wait window of network games.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <initializer_list>
#include <vector>

#include "locale/lang_text.h"
#include "opponent/auction_table.h"
#include "records/club_file.h"
#include "settings/settings.h"
#include "shot.h"
#include "support/played_deals.h"
#include "ui/art/button_style.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/notice_window.h"
#include "ui/dialogs/speed_dialog.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/dialogs/wait_window.h"
#include "ui/menu/account_lamp.h"
#include "ui/menu/title_banner.h"

namespace quorvex {
namespace {

TEST(AboutWindow, ShowsVersionAndLinks) {
  SetCurrentLanguage(0);
  TFormAbout about{Settings{}};
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  EXPECT_EQ(about.VersionLabel()->text(), QStringLiteral("V 5.7f"));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
  EXPECT_TRUE(about.WebLink()->text().contains(TFormAbout::SiteAddress()));
  EXPECT_TRUE(TFormAbout::SiteAddress().startsWith(QStringLiteral("http")));
  EXPECT_TRUE(
      about.MailLink()->text().contains(QStringLiteral("mailto:") + TFormAbout::MailAddress()));
  QSignalSpy finished(&about, &QDialog::finished);
  QTest::keyClick(&about, Qt::Key_Escape);
  EXPECT_EQ(finished.count(), 1);
}

TEST(TitleBanner, FollowsTheCaptionColour) {
  Settings red, blue;
  blue.CaptionColour = 6;
  const QImage a = TitleBanner(red, 200, 35), b = TitleBanner(blue, 200, 35);
  ASSERT_EQ(a.size(), QSize(200, 35));
  ASSERT_EQ(b.size(), QSize(200, 35));
  // The same pixel, red in one and blue in the other.
  int compared = 0;
  for (int x = 0; x < 200; ++x) {
    const QColor p = a.pixelColor(x, 17), q = b.pixelColor(x, 17);
    if (p.alpha() < 255 || p.red() < 150 || p.green() > 60) continue;
    EXPECT_EQ(q.blue(), p.red());
    EXPECT_EQ(q.red(), p.blue());
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

TEST(WaitWindow, EachWaitStartsAfresh) {
  SetCurrentLanguage(0);
  TFormWait wait{Settings{}};
  wait.show();
  EXPECT_EQ(wait.WaitingText(), QStringLiteral("Expectation of connection of other players..."));
  EXPECT_FALSE(wait.OkButton()->isEnabled());
  EXPECT_TRUE(wait.CancelButton()->isEnabled());

  wait.AddPlayer(QStringLiteral("Anna"));
  wait.AddPlayer(QStringLiteral("Boris"));
  wait.SetOkEnabled(true);
  EXPECT_EQ(wait.Players(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Boris")}));
  EXPECT_TRUE(wait.OkButton()->isEnabled());

  wait.StartWaiting(WaitRole::Client);
  EXPECT_EQ(wait.WaitingText(), QStringLiteral("Expectation of game..."));
  EXPECT_TRUE(wait.Players().isEmpty());
  EXPECT_FALSE(wait.OkButton()->isEnabled());

  SetCurrentLanguage(1);
  wait.SetSettings(Settings{});
  EXPECT_EQ(wait.WaitingText(), QStringLiteral("Ожидание игры..."));
  EXPECT_EQ(wait.CancelButton()->text(), QStringLiteral("Отмена"));
  SetCurrentLanguage(0);
}

TEST(WaitWindow, CancelRejects) {
  TFormWait wait{Settings{}};
  wait.show();
  QTest::mouseClick(wait.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(wait.result(), QDialog::Rejected);
  EXPECT_FALSE(wait.isVisible());
}

TEST(DarkDesign, ColoursAreReadBlueFirstAsTheGameStoresThem) {
  EXPECT_EQ(StoredColour(kDarkEditBackground), QColor(0x88, 0x00, 0xE2));
  EXPECT_EQ(StoredColour(kDarkButtonText), QColor(0xC8, 0xAF, 0x32));
}

TEST(ProminentButtons, TheOkAndCancelOfTheSmallWindowsAreCardStyleButtons) {
  Settings settings;
  TFormNotice notice(QStringLiteral("line"), QString(), QString());
  TFormAbout about(settings);
  TFormWait wait(settings);
  TFormEndGame end_game(EndGameInput{}, settings);
  const ClubFile club = FreshClubFile();
  TFormTopTen top_ten(club, false, settings);
  TFHistory history(std::filesystem::temp_directory_path() / "quorvex-no-history-here", settings);
  TFormCount count(TCount{}, "Mr.X", settings);
  const std::pair<QWidget*, int> windows[] = {{&notice, 1},   {&about, 1},   {&wait, 2},
                                              {&end_game, 1}, {&top_ten, 1}, {&history, 3},
                                              {&count, 1}};
  for (const auto& [window, buttons] : windows) {
    EXPECT_EQ(window->findChildren<TZefCardsButton*>().size(), size_t(buttons))
        << window->metaObject()->className();
  }
}

TEST(HistoryWindow, RecordedDealsAreListedNewestFirstForReviewAndPbn) {
  Settings settings;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("quorvex-history-deals-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  for (int deal = 1; deal <= 3; ++deal)
    ASSERT_TRUE(AddDealRecord(
        dir, test::PlayedDeal(test::DealPlan{unsigned(deal), 1, 0, {kCallPass, 19, kCallPass}}),
        100));
  TFHistory history(dir, settings);
  ASSERT_EQ(history.Deals()->count(), 3);
  EXPECT_TRUE(history.Deals()->item(0)->text().contains(QStringLiteral("Deal 4")));
  EXPECT_TRUE(history.Deals()->item(0)->text().contains(QStringLiteral("4♠ Bob")));

  std::vector<int> reviewed, saved;
  history.SetReviewOpener([&](const DealRecord& d, QWidget*) { reviewed.push_back(d.deal_no); });
  history.SetPbnSaver([&](const std::vector<DealRecord>& deals, QWidget*) {
    for (const DealRecord& d : deals) saved.push_back(d.deal_no);
  });
  EXPECT_FALSE(history.ReviewButton()->isEnabled());  // nothing chosen yet
  history.Deals()->item(0)->setSelected(true);
  history.Deals()->item(2)->setSelected(true);
  EXPECT_FALSE(history.ReviewButton()->isEnabled());  // one deal at a time
  QTest::mouseClick(history.SavePbnButton(), Qt::LeftButton);
  EXPECT_EQ(saved, (std::vector<int>{2, 4}));  // in the order played
  history.Deals()->item(0)->setSelected(false);
  QTest::mouseClick(history.ReviewButton(), Qt::LeftButton);
  EXPECT_EQ(reviewed, (std::vector<int>{2}));
  testing::SaveShot(history.grab().toImage(), "history_deals");
  std::filesystem::remove_all(dir);
}

// Every card-style button of a window, in the new style or not.
std::vector<bool> Styles(const QWidget& window) {
  std::vector<bool> styles;
  for (const TZefCardsButton* button : window.findChildren<TZefCardsButton*>())
    styles.push_back(button->Nata());
  return styles;
}

TEST(ButtonStyle, EveryWindowDrawsItsButtonsInTheChosenStyle) {
  for (const bool new_style : {true, false}) {
    Settings settings;
    settings.NewButtons = new_style;
    // Windows given the settings follow them; the others follow the style the main window
    // applied last.
    ApplyButtonStyle(nullptr, settings);
    EXPECT_EQ(NewButtonStyle(), new_style);
    Settings other = settings;
    TFormAbout about(settings);
    TFormWait wait(settings);
    TFormSpeed speed(other);
    TFormNotice notice(QStringLiteral("line"), QString(), QString());
    TFormEndGame end_game(EndGameInput{}, settings);
    const ClubFile club = FreshClubFile();
    TFormTopTen top_ten(club, false, settings);
    TFormCount count(TCount{}, "Mr.X", settings);
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             &about, &wait, &speed, &notice, &end_game, &top_ten, &count}) {
      const std::vector<bool> styles = Styles(*window);
      EXPECT_FALSE(styles.empty()) << window->metaObject()->className();
      for (bool style : styles) EXPECT_EQ(style, new_style) << window->metaObject()->className();
    }
    if (new_style) {
      testing::SaveShot(about.grab().toImage(), "about_new_buttons");
      testing::SaveShot(notice.grab().toImage(), "notice_new_buttons");
      testing::SaveShot(top_ten.grab().toImage(), "top_ten_new_buttons");
    }
    // The wait window lives for the whole run and follows a change of the settings.
    settings.NewButtons = !new_style;
    wait.SetSettings(settings);
    for (bool style : Styles(wait)) EXPECT_EQ(style, !new_style);
    ApplyButtonStyle(nullptr, Settings{});
  }
  // A button given as the root is styled too.
  TZefCardsButton button;
  Settings settings;
  settings.NewButtons = true;
  ApplyButtonStyle(&button, settings);
  EXPECT_TRUE(button.Nata());
  ApplyButtonStyle(nullptr, Settings{});
}

TEST(DialogDesigns, TheScoreWindowsFollowTheChosenDesign) {
  struct Case {
    int style;
    bool picture;
    DialogDesign design;
    const char* name;
  } const cases[] = {{1, false, DialogDesign::Concise, "concise"},
                     {2, false, DialogDesign::Aristocratic, "aristocratic"},
                     {3, false, DialogDesign::Ribbons, "ribbons"},
                     {2, true, DialogDesign::Purple, "purple"}};
  const ClubFile club = FreshClubFile();
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));  // the purple pictures' library
  for (const Case& c : cases) {
    Settings settings;
    settings.DialogStyle = c.style;
    settings.DialogPicture = c.picture;
    TFormEndGame end_game(EndGameInput{1, 1500, 1, false, false}, settings);
    TFormTopTen top_ten(club, false, settings);
    TFHistory history(std::filesystem::temp_directory_path() / "quorvex-no-history-here", settings);
    TCount count;
    count.Count_ScoCur = "  1500";
    TFormCount general(count, "Mr.X", settings, AccountState::LoggedIn);
    // The account's picture beside the heading tells its state.
    const auto* lamp = general.findChild<AccountLamp*>(QStringLiteral("account"));
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->State(), AccountState::LoggedIn);
    const std::pair<DesignedDialog*, const char*> windows[] = {
        {&end_game, "end_game"}, {&top_ten, "top_ten"}, {&history, "history"}, {&general, "count"}};
    for (const auto& [window, name] : windows) {
      window->show();
      EXPECT_EQ(window->Design(), c.design) << name;
      // Nothing of the window's contents covers its header.
      for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_GE(child->geometry().top(), window->HeaderHeight()) << c.name << ' ' << name;
      const QList<TZefCardsButton*> buttons = window->findChildren<TZefCardsButton*>();
      ASSERT_FALSE(buttons.empty());
      EXPECT_EQ(buttons[0]->Scheme() == ColorSB::DCards, c.picture) << name;
      testing::SaveShot(window->grab().toImage(),
                        (std::string("design_") + c.name + '_' + name).c_str());
    }
  }
  SetLibraryDirectory(QString());
  // On the purple picture the rows are light and 50 higher; the result keeps its green.
  const EndGameInput best{1, 1500, 1, false};
  const std::vector<EndGameRow> grey = EndGameRows(best), purple = PurpleEndGameRows(best);
  ASSERT_EQ(grey.size(), purple.size());
  for (size_t i = 0; i < grey.size(); ++i) {
    EXPECT_EQ(purple[i].y, grey[i].y - 50);
    EXPECT_GT(purple[i].colour.lightness(), 100) << purple[i].text.toStdString();
  }
}

TEST(TopTenWindow, EveryPlaceStandsAtSeventyBeforeItsName) {
  ClubFile club = FreshClubFile();
  TFormTopTen window(club, false, Settings{});
  const QPixmap picture = window.findChild<QLabel*>(QStringLiteral("picture"))->pixmap();
  const QImage image = picture.toImage();
  const QColor paper = image.pixelColor(5, 5);
  for (int place : {1, 10}) {
    // The image leaves its empty top of 50 to the window's header.
    const int y = 150 + 33 * (place - 1) - 50;
    auto inked = [&](int from, int to) {
      for (int x = from; x < to; ++x)
        for (int dy = -8; dy <= 8; ++dy)
          if (image.pixelColor(x, y + dy) != paper) return true;
      return false;
    };
    EXPECT_FALSE(inked(55, 70)) << place;
    EXPECT_TRUE(inked(70, 80)) << place;
    EXPECT_FALSE(inked(95, 100)) << place;  // the number ends before an empty name's place
  }
}

TEST(HelpWindow, RulesInEnglishAndRussian) {
  const QString english = TFormHelp::Document(0);
  const QString russian = TFormHelp::Document(1);
  EXPECT_TRUE(english.contains(QStringLiteral("The draw phase")));
  EXPECT_TRUE(english.contains(QStringLiteral("Three no trumps made exactly")));
  EXPECT_TRUE(russian.contains(QStringLiteral("Торговля")));
  // The other languages read the English help.
  EXPECT_EQ(TFormHelp::Document(4), english);
}

}  // namespace
}  // namespace quorvex
