// A whole session against the computer through the club list, the player dialog, the controller
// and the real end-of-session hooks, on a folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProgressBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "locale/lang_text.h"
#include "records/club_file.h"
#include "records/deal_record.h"
#include "records/history_file.h"
#include "records/rating.h"
#include "settings/settings.h"
#include "sound_recorders.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/count_window.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/history_window.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/player_dialog.h"
#include "ui/dialogs/review_window.h"
#include "ui/dialogs/top_ten_window.h"
#include "ui/media/sound_player.h"
#include "ui/menu/club_keeper.h"
#include "ui/menu/club_menu.h"
#include "ui/table/deal_reviews.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

fs::path FreshFolder(const char* name) {
  const fs::path dir = fs::temp_directory_path() /
                       (std::string("quorvex_club_") + name + "_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

void SaveDialogShot(QWidget& dialog, const char* name) {
  const QByteArray dir = qgetenv("QUORVEX_SHOT_DIR");
  if (dir.isEmpty()) return;
  dialog.adjustSize();
  dialog.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
                     QStringLiteral(".png"));
}

void SaveWindowShot(QWidget& window, const char* name) {
  const QByteArray dir = qgetenv("QUORVEX_SHOT_DIR");
  if (dir.isEmpty()) return;
  window.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) +
                     QStringLiteral(".png"));
}

ClubProfile Member(const char* name, double rating, int deals, int score, const char* password) {
  return ClubProfile{ClubName(name), rating, deals, score, ClubPassword(password)};
}

// The window of the game with the club in a folder of its own; every modal window is answered
// by the test.
class ClubSessionTest : public ::testing::Test {
 protected:
  explicit ClubSessionTest(const ClubFile& club = FreshClubFile())
      : dir(FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name())),
        keeper(dir),
        controller(window, opponent, random, clock, keeper),
        menu(keeper, settings) {
    EXPECT_TRUE(WriteClubFile(ClubFilePath(dir, false), club).ok);
    EXPECT_TRUE(WriteClubFile(ClubFilePath(dir, true), FreshClubFile()).ok);
    EXPECT_TRUE(keeper.ReadClubFilesAtStart(nullptr, 0));
    keeper.SetStampSource([] { return HistoryStamp{21, 5, "10.12.2026"}; });
    keeper.SetParent(&window);
    keeper.SetController(&controller);
    keeper.SetSound(&sound);
    keeper.SetClubChanged([this] { menu.Refresh(); });
    keeper.SetWaitBanner([this](bool shown) {
      window.ShowWaitBanner(shown);
      if (shown) ++wait_banners;
    });
    settings.FlyingCards = false;  // the cards land at once: these tests watch the records
    window.SetSettings(&settings);
    window.SetController(&controller);
    window.SetAskHandler([this](const std::string&) { return true; });
    menu.SetController(&controller);
    menu.AttachTo(window);
    menu.Refresh();
    SetModalHook([this](QDialog& dialog) { return Answer(dialog); });
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(380, 250));  // the title
  }
  ~ClubSessionTest() override {
    SetModalHook(nullptr);
    window.SetController(nullptr);
    fs::remove_all(dir);
  }

  int Answer(QDialog& dialog) {
    if (auto* player = qobject_cast<TFormPlayer*>(&dialog)) {
      // The dialog stays open after a refused Ok: the player types again.
      player->NameEdit()->setText(QString::fromUtf8(typed_name.c_str()));
      SaveDialogShot(dialog, "welcome");
      for (const std::string& password : typed_passwords) {
        player->PasswordEdit()->setText(QString::fromUtf8(password.c_str()));
        player->AgainEdit()->setText(QString::fromUtf8(password.c_str()));
        player->TryAccept();
        if (player->result() == QDialog::Accepted) break;
      }
      return player->result();
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      messages.push_back(box->text().toStdString());
    } else if (auto* end = qobject_cast<TFormEndGame*>(&dialog)) {
      end_games.push_back(end->Input());
      clips_at_end_game = clips.played.size();
      screen_at_end_game = window.CurrentScreen();
      history_files_at_end_game = ListHistoryFiles(dir).size();
      banner_at_end_game = window.WaitBannerShown();
      SaveDialogShot(dialog, "end_of_game");
    } else if (auto* review = qobject_cast<TFReview*>(&dialog)) {
      // The search runs in the background; the test waits for it like a player would.
      for (int wait = 0; wait < 3000 && !review->Progress()->isHidden(); ++wait) QTest::qWait(10);
      reviewed.push_back(review->Record());
      SaveDialogShot(dialog, "review");
      if (play_again_from_review && review->PlayAgainButton()->isEnabled())
        QTest::mouseClick(review->PlayAgainButton(), Qt::LeftButton);
      return review->result();
    } else if (qobject_cast<TFormCount*>(&dialog)) {
      ++score_windows;
      SaveDialogShot(dialog, "general_score");
    } else {
      SaveDialogShot(dialog, qobject_cast<TFHistory*>(&dialog) ? "history" : "top_ten");
      ++other_windows;
    }
    return QDialog::Accepted;
  }

  // Plays the running deal to its end: the first legal card, one club bid by the player.
  void PlayDeal() {
    for (int guard = 0; guard < 400 && State().Phase != PhaseDealOver; ++guard) {
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      if (TFormTorg* bidding = window.BiddingDialog()) {
        if (controller.Auction().Closed()) {
          QTest::mouseClick(bidding->OkButton(), Qt::LeftButton);
        } else if (State().Phase == PhaseBidSeat2) {
          QPushButton* call =
              bidding->BidButton(1)->isEnabled() ? bidding->BidButton(1) : bidding->PassButton();
          QTest::mouseClick(call, Qt::LeftButton);
        } else {
          window.OnMainTimer();
        }
      } else if (State().Phase == PhaseSeat2 && controller.TableActive() &&
                 !window.MainButton()->isEnabled()) {
        for (int i = 1; i <= State().HandCount[2]; ++i)
          if (controller.OnLowerHandClick(i)) break;
      } else if (window.MainButton()->isVisible() && window.MainButton()->isEnabled()) {
        QTest::mouseClick(window.MainButton(), Qt::LeftButton);
      } else {
        window.OnMainTimer();
      }
    }
    ASSERT_EQ(State().Phase, PhaseDealOver);
  }

  const TDealState& State() const { return controller.State(); }

  ClubFile ClubOnDisk() const {
    const ClubFileRead read = ReadClubFile(ClubFilePath(dir, false));
    EXPECT_TRUE(read.ok());
    return read.club;
  }

  fs::path dir;
  Settings settings;
  // What the keeper lets the player hear; the window's own effects are not wired here.
  RecordingClips clips;
  SoundPlayer sound{settings, clips};
  MainWindow window;
  FixedRandom random;
  StillClock clock;
  DoublingOpponent opponent;
  ClubKeeper keeper;
  GameController controller;
  ClubMenu menu;
  std::string typed_name = "Ada";
  std::vector<std::string> typed_passwords{"abc"};
  std::vector<std::string> messages;
  std::vector<EndGameInput> end_games;
  size_t clips_at_end_game = 0;
  Screen screen_at_end_game = Screen::Title;
  size_t history_files_at_end_game = 0;
  bool banner_at_end_game = true;
  int wait_banners = 0;
  std::vector<DealRecord> reviewed;
  bool play_again_from_review = false;
  int score_windows = 0;
  int other_windows = 0;
};

TEST_F(ClubSessionTest, AnEndedDealIsReviewedByTheSearchKeptAndPlayedAgain) {
  DealReviews reviews(dir, settings, controller, keeper);
  window.SetReviewOpener([&] { reviews.OpenLast(&window); });
  QTest::mouseClick(menu.MemberButton(6), Qt::LeftButton);  // "New Player"
  EXPECT_FALSE(window.ReviewButton()->isVisible());
  PlayDeal();
  ASSERT_TRUE(window.ReviewButton()->isVisible());
  SaveWindowShot(window, "review_offered");

  play_again_from_review = true;
  QTest::mouseClick(window.ReviewButton(), Qt::LeftButton);
  ASSERT_EQ(reviewed.size(), 1u);
  const DealRecord deal = reviewed[0];
  ASSERT_TRUE(deal.analysis.has_value());
  EXPECT_EQ(deal.analysis->cards.size(), deal.contract_play.size());
  if (deal.contract != 0) {
    // The first card's figure is the leader's side of the best result.
    const int leader = 3 - deal.first_seat;
    EXPECT_EQ(deal.analysis->cards[0].best, leader == deal.declarer
                                                ? deal.analysis->best_tricks
                                                : 13 - deal.analysis->best_tricks);
  }
  // The analysis is kept with the deal.
  const DealRecordRead kept = ReadDealRecords(dir);
  ASSERT_EQ(kept.records.size(), 1u);
  EXPECT_EQ(kept.records[0].analysis, deal.analysis);

  // Played again: the session's next deal is dealt from the same deck.
  EXPECT_EQ(State().DealNo, 2);
  EXPECT_FALSE(window.ReviewButton()->isVisible());
  for (int i = 1; i <= 52; ++i) EXPECT_EQ(State().Deck[i], DealRecordCard(deal.deck[i - 1]));
}

TEST_F(ClubSessionTest, ACycleOfTwentyDealsIsRecordedOnceInClubTopTenAndHistory) {
  ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_TRUE(menu.isVisible());
  EXPECT_FALSE(window.PlayButton()->isVisible());
  EXPECT_FALSE(menu.MemberButton(1)->isEnabled());  // an empty club
  // The member rows are card-style buttons like every prominent button.
  EXPECT_NE(qobject_cast<TZefCardsButton*>(menu.MemberButton(1)), nullptr);
  SaveWindowShot(window, "menu_club_empty");

  QTest::mouseClick(menu.MemberButton(6), Qt::LeftButton);  // "New Player"
  ASSERT_EQ(window.CurrentScreen(), Screen::Table);
  EXPECT_EQ(settings.PlayerName, "Ada");

  for (int deal = 1; deal <= 20; ++deal) {
    PlayDeal();
    if (deal == 3) {
      ASSERT_TRUE(window.GeneralScoreAction()->isEnabled());
      window.GeneralScoreAction()->trigger();
      EXPECT_EQ(score_windows, 1);
    }
    if (deal < 20) {
      ASSERT_TRUE(window.MainButton()->isEnabled());
      QTest::mouseClick(window.MainButton(), Qt::LeftButton);  // "Next game"
    }
  }
  // The cycle is complete: only the end button goes on.
  EXPECT_FALSE(window.MainButton()->isEnabled());
  ASSERT_TRUE(window.EndButton()->isEnabled());
  const int32_t balance = controller.Balance();
  ASSERT_NE(balance, 0);
  EXPECT_TRUE(fs::exists(ClubFilePath(dir, false)));
  EXPECT_TRUE(ListHistoryFiles(dir).empty());  // nothing written until the end
  // Every deal went to the deal records as it ended, the player's name with it.
  const DealRecordRead deals = ReadDealRecords(dir);
  EXPECT_TRUE(deals.whole);
  ASSERT_EQ(deals.records.size(), 20u);
  EXPECT_EQ(deals.records.back().deal_no, 20);
  EXPECT_EQ(deals.records.back().names[2], "Ada");
  EXPECT_EQ(keeper.LastDeal(), deals.records.back());
  QTest::mouseClick(window.EndButton(), Qt::LeftButton);

  EXPECT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_TRUE(messages.empty()) << messages.front();
  // The end-of-game window, once, with the first place of an empty top ten.
  ASSERT_EQ(end_games.size(), 1u);
  EXPECT_EQ(end_games[0].place, 1);
  EXPECT_EQ(end_games[0].score, balance);
  EXPECT_EQ(end_games[0].account_state, 1);
  // The window came after the history was written and before the menu came back; the wait
  // banner had been shown once and was gone by then.
  EXPECT_EQ(screen_at_end_game, Screen::Closing);
  EXPECT_EQ(history_files_at_end_game, 1u);
  EXPECT_FALSE(banner_at_end_game);
  EXPECT_EQ(wait_banners, 1);
  // No result sound for a closed cycle: the window's sound of the first place, as it opened.
  ASSERT_EQ(clips.played.size(), 1u);
  EXPECT_EQ(clips.played[0].wav, EffectClip("WFiBest"));
  EXPECT_EQ(clips_at_end_game, 1u);

  // The club file: the new member at the top with the new rating and the score reset; the cycle
  // in the top ten once.
  const ClubFile club = ClubOnDisk();
  const std::optional<ClubProfile> ada = club.Profile(1);
  ASSERT_TRUE(ada.has_value());
  EXPECT_EQ(TrimmedClubName(ada->name), "Ada");
  EXPECT_EQ(ada->deals, 20);
  EXPECT_EQ(ada->score, 0);
  EXPECT_DOUBLE_EQ(ada->rating, SessionRating(20, balance, 0, 0));
  EXPECT_EQ(ClubPassword(ada->password), ClubPassword("abc"));
  EXPECT_FALSE(club.Profile(2).has_value());
  EXPECT_EQ(TrimmedClubName(club.TopTen(1).name), "Ada");
  EXPECT_EQ(club.TopTen(1).score, balance);
  EXPECT_TRUE(club.TopTen(2).Empty());

  // The history: one file, one record of the session.
  const std::vector<HistoryFileInfo> files = ListHistoryFiles(dir);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].check.records, 1);
  const std::vector<HistoryRow> rows = ReadHistoryRows(HistoryFilePath(dir, 1));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(TrimmedClubName(rows[0].player), "Ada");
  EXPECT_EQ(std::stoi(rows[0].games), 20);
  EXPECT_EQ(std::stoi(rows[0].result), balance);
  EXPECT_EQ(rows[0].type, "Local");

  // The menu lists the member; the windows of the club open from it.
  EXPECT_TRUE(menu.MemberButton(1)->isEnabled());
  EXPECT_TRUE(menu.MemberButton(1)->text().trimmed().startsWith(QStringLiteral("Ada ")));
  EXPECT_FALSE(window.GeneralScoreAction()->isEnabled());
  SaveWindowShot(window, "menu_club");
  QTest::mouseClick(menu.TopTenButton(), Qt::LeftButton);
  QTest::mouseClick(menu.HistoryButton(), Qt::LeftButton);
  EXPECT_EQ(other_windows, 2);
}

TEST_F(ClubSessionTest, ARatedMatchAsTheAccountIsFourDeals) {
  // The account's start was accepted: the account plays, from its cycle's 8 deals.
  menu.SetRatedStart([this] {
    ControllerOptions options = controller.Options();
    options.rated_account_play = true;
    controller.SetOptions(options);
    return true;
  });
  QTest::mouseClick(menu.MemberButton(6), Qt::LeftButton);
  ASSERT_EQ(window.CurrentScreen(), Screen::Table);
  EXPECT_TRUE(keeper.AsAccount());
  for (int deal = 1; deal <= 4; ++deal) {
    PlayDeal();
    // Between the deals only the next deal goes on; after the fourth only the end.
    EXPECT_EQ(window.MainButton()->isEnabled(), deal < 4) << deal;
    EXPECT_EQ(window.EndButton()->isEnabled(), deal == 4) << deal;
    if (deal < 4) QTest::mouseClick(window.MainButton(), Qt::LeftButton);
  }
  QTest::mouseClick(window.EndButton(), Qt::LeftButton);
  EXPECT_EQ(window.CurrentScreen(), Screen::Menu);
  // Without the account's service the club keeps no trace of the match.
  EXPECT_FALSE(ClubOnDisk().Profile(1).has_value());
  EXPECT_TRUE(end_games.empty());
}

class MemberSessionTest : public ClubSessionTest {
 protected:
  static ClubFile WithMember() {
    ClubFile club = FreshClubFile();
    club.profile_lines[0] = ProfileLine(Member("Boris", 1.5, 10, 120, "pw"));
    return club;
  }
  MemberSessionTest() : ClubSessionTest(WithMember()) {}
};

TEST_F(MemberSessionTest, LeavingEarlyKeepsTheMembersStandingOnceAndWritesNoHistory) {
  typed_passwords = {"pw1", "pw"};  // a wrong password first; "pw" is compared as "pw   "
  QTest::mouseClick(menu.MemberButton(1), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], Text(Tx::IncorrectPassword));
  ASSERT_EQ(window.CurrentScreen(), Screen::Table);
  EXPECT_EQ(State().DealNo, 11);

  PlayDeal();
  const int32_t balance = controller.Balance();
  window.ExitToMenuAction()->trigger();
  ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_TRUE(window.close());  // no session: closing saves nothing more

  const std::optional<ClubProfile> boris = ClubOnDisk().Profile(1);
  ASSERT_TRUE(boris.has_value());
  EXPECT_EQ(boris->deals, 11);
  EXPECT_EQ(boris->score, 120 + balance);
  EXPECT_DOUBLE_EQ(boris->rating, SessionRating(11, balance, 10, 1.5));
  EXPECT_TRUE(ClubOnDisk().TopTen(1).Empty());
  EXPECT_TRUE(ListHistoryFiles(dir).empty());
  EXPECT_TRUE(end_games.empty());
}

TEST_F(MemberSessionTest, AMemberChangesTheirNameDuringASession) {
  typed_passwords = {"pw"};
  EXPECT_FALSE(keeper.RenameMember("Boris II"));  // no session yet
  QTest::mouseClick(menu.MemberButton(1), Qt::LeftButton);
  ASSERT_EQ(window.CurrentScreen(), Screen::Table);
  EXPECT_FALSE(keeper.RenameMember("   "));
  EXPECT_TRUE(keeper.RenameMember("Boris II"));
  PlayDeal();
  window.ExitToMenuAction()->trigger();
  const std::optional<ClubProfile> renamed = ClubOnDisk().Profile(1);
  ASSERT_TRUE(renamed.has_value());
  EXPECT_EQ(TrimmedClubName(renamed->name), "Boris II");
  EXPECT_EQ(renamed->deals, 11);
  EXPECT_FALSE(ClubOnDisk().Profile(2).has_value());
}

TEST_F(MemberSessionTest, EndingMidCycleSoundsTheResultAndOpensNoEndOfGameWindow) {
  typed_passwords = {"pw"};
  QTest::mouseClick(menu.MemberButton(1), Qt::LeftButton);
  PlayDeal();
  ASSERT_EQ(State().DealNo, 11);
  const int32_t balance = controller.Balance();
  ASSERT_NE(balance, 0);
  ASSERT_TRUE(window.EndButton()->isEnabled());
  QTest::mouseClick(window.EndButton(), Qt::LeftButton);
  ASSERT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_TRUE(end_games.empty());
  ASSERT_EQ(clips.played.size(), 1u);
  EXPECT_EQ(clips.played[0].wav, EffectClip(balance > 0 ? "WKoGood" : "WKoBads"));
  EXPECT_FALSE(clips.played[0].wait);
  EXPECT_EQ(ClubOnDisk().Profile(1)->deals, 11);
}

TEST(PlayerEntry, NamesAndPasswordsAreCheckedAsTheClubKeepsThem) {
  const ClubProfile member = Member("Boris", 0, 0, 0, "abc");
  struct Case {
    bool existing;
    const char* name;
    const char* password;
    const char* again;
    PlayerEntryCheck expected;
  } const cases[] = {
      {false, "  ", "a", "a", PlayerEntryCheck::IncorrectName},
      {false, "Ada", "abc", "abd", PlayerEntryCheck::PasswordsDiffer},
      {false, "Ada", "abc", "abc", PlayerEntryCheck::Ok},
      {false, "Ada", "", "", PlayerEntryCheck::Ok},
      {false, "\xe6\xbc\xa2\xe5\xad\x97", "a", "a",
       PlayerEntryCheck::IncorrectName},                                            // not in 1251
      {false, "\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd", "a", "a", PlayerEntryCheck::Ok},  // Cyrillic
      {true, "Boris", "abc", "", PlayerEntryCheck::Ok},
      {true, "Boris", "abc  ", "", PlayerEntryCheck::Ok},
      {true, "Boris", "ab", "", PlayerEntryCheck::IncorrectPassword},
      {true, "Boris", "abcd", "", PlayerEntryCheck::IncorrectPassword},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckPlayerEntry(c.existing ? std::optional(member) : std::nullopt, c.name,
                               c.password, c.again),
              c.expected)
        << c.name << " / " << c.password;
  }
}

// The start stops at a club file that is missing or fails its checks, with the message that
// names it; the local file's mark starts the program in Russian.
TEST(ClubStart, AMissingOrDamagedClubFileStopsTheStart) {
  const fs::path dir = FreshFolder("start");
  std::vector<std::string> shown;
  SetModalHook([&shown](QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) shown.push_back(box->text().toStdString());
    return int(QDialog::Accepted);
  });
  ClubKeeper keeper(dir);
  EXPECT_FALSE(keeper.ReadClubFilesAtStart(nullptr, 0));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], ClubFileMessage(ClubFileStatus::Missing, ClubFilePath(dir, false)));
  EXPECT_EQ(shown[0].rfind("Can`t find the file", 0), 0u);

  ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, false), FreshClubFile()).ok);
  shown.clear();
  EXPECT_FALSE(keeper.ReadClubFilesAtStart(nullptr, 0));  // the network file is missing
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], ClubFileMessage(ClubFileStatus::Missing, ClubFilePath(dir, true)));

  ClubFile marked = FreshClubFile();
  marked.line17.replace(0, 1, "1");
  std::string damaged = ClubFileText(marked);
  damaged[3] = 'x';  // a name byte of the first profile
  {
    std::ofstream(ClubFilePath(dir, true), std::ios::binary) << ClubFileText(FreshClubFile());
    std::ofstream(ClubFilePath(dir, false), std::ios::binary) << damaged;
  }
  shown.clear();
  EXPECT_FALSE(keeper.ReadClubFilesAtStart(nullptr, 0));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], ClubFileMessage(ClubFileStatus::BadChecksum, ClubFilePath(dir, false)));
  EXPECT_EQ(CurrentLanguage(), 1);  // Russian, as the mark asks, even in a damaged file

  ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, false), marked).ok);
  shown.clear();
  EXPECT_TRUE(keeper.ReadClubFilesAtStart(nullptr, 0));
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(CurrentLanguage(), 1);
  SetCurrentLanguage(0);
  SetModalHook(nullptr);
  fs::remove_all(dir);
}

TEST(EndGameRows, TheThreeClassesTellThePlaceAndTheScore) {
  SetCurrentLanguage(0);
  struct Case {
    EndGameInput in;
    EndGameClass result;
    std::vector<std::string> rows;
  } const cases[] = {
      {{1, 1450, 1, false},
       EndGameClass::Best,
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 1450",
        "You become a Master of the Order!"}},
      {{1, 900, 2, false},
       EndGameClass::Best,
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 900"}},
      {{1, 900, 1, true},
       EndGameClass::Best,
       {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 900",
        "You become a Bachelor of the Order!"}},
      {{10, 300, 1, false},
       EndGameClass::Good,
       {"CONGRATULATIONS!!!", "Good result!", "Result: 300",
        "You have hitted in top ten players!"}},
      {{0, -250, 1, false},
       EndGameClass::Bad,
       {"Our regrets...", "Your result keeps to wish best", "Result: -250",
        "You have not hitted in ten best players..."}},
      {{14, 80, 3, false},
       EndGameClass::Bad,
       {"Our regrets...", "Your result keeps to wish best", "Result: 80 ; Place: 14",
        "You have not hitted in ten best players..."}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EndGameClassOf(c.in.place), c.result);
    std::vector<std::string> rows;
    for (const EndGameRow& row : EndGameRows(c.in)) rows.push_back(row.text.toStdString());
    EXPECT_EQ(rows, c.rows) << c.in.place;
    TFormEndGame dialog(c.in, Settings{});
    EXPECT_EQ(dialog.ShowsMedal(), c.in.place >= 1 && c.in.place <= 10);
  }
}

}  // namespace
}  // namespace quorvex::testing
