// The tournament lobby's window and the tournament top ten: what the player sees of the tables,
// the seat, the server and the results; the refused close while seated; opening and closing
// around a match; the rankings with the player's place and medal. Screenshots of each.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "online/account_fakes.h"
#include "shot.h"
#include "support/offline_http.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/list_choice_button.h"
#include "ui/online/tour_kind_panel.h"
#include "ui/online/tournament_lobby_keeper.h"
#include "ui/online/tournament_top_ten_window.h"
#include "ui/online/world_top_ten_window.h"

namespace quorvex {
namespace {

HttpReply Answer(const std::string& body) {
  HttpReply reply;
  reply.ok = true;
  reply.status = 200;
  reply.body = body;
  return reply;
}

std::string Table(int row, const std::string& nick1, int score1, const std::string& nick2 = "X",
                  int score2 = 0) {
  return "$" + std::to_string(row) + " 127.0.0.1 9001 Y 0 X " + nick1 + " " +
         std::to_string(score1) + " 4 1510 Latvia Riga W 1.1.1.1 " + nick2 + " " +
         std::to_string(score2) + " 2 1490 Peru Lima M 2.2.2.2*";
}

class Relay : public LobbyRelay {
 public:
  void Open(const std::string& address, int port, int seat) override {
    log.push_back("open " + address + ":" + std::to_string(port) + " " + std::to_string(seat));
  }
  void Send(const std::string& message) override { log.push_back("send " + message); }
  void Close() override { log.push_back("close"); }
  std::vector<std::string> log;
};

class TournamentWindows : public ::testing::Test {
 protected:
  TournamentWindows() {
    SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
    session.state = AccountState::LoggedIn;
    session.user.Nick = "Eve";
    session.user.City = "Riga";
    session.user.Country1 = "Latvia";
    session.user.Sex = 'W';
    SetTables({});
    http.answer = [this](const HttpRequest& r) {
      if (!r.post) return Answer("5.6.7.8");
      for (const auto& [start, body] : replies)
        if (r.body.rfind(start, 0) == 0) return Answer(body);
      return HttpReply{};
    };
  }
  void TearDown() override {
    SetModalHook(nullptr);
    SetNoticeHook(nullptr);
    SetLibraryDirectory(QString());
  }
  // Tables listed from table 10 down; the rest free.
  void SetTables(std::vector<std::string> entries) {
    std::string reply;
    for (int i = 0; i < kTourTables; ++i)
      reply += i < int(entries.size()) ? entries[size_t(i)] : Table(i + 1, "X", 0);
    replies["readtable10"] = reply + "$";
  }
  size_t Asked(const std::string& start) const {
    size_t n = 0;
    for (const HttpRequest& r : http.requests) n += r.body.rfind(start, 0) == 0 ? 1 : 0;
    return n;
  }
  void Shoot(QWidget& window, const char* name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    testing::SaveShot(window.grab().toImage(), name);
  }

  std::map<std::string, std::string> replies = {
      {"serverinforead", "$Y Welcome_to_the_world_tournament!$"},
      {"clienton", "$ok#"},
      {"readrating", "$120 3 1516$"},
      {"places", "$4$"},
      {"placer", "$11$"},
      {"placek", "$1$"},
      {"top10s",
       "$1 Ann Riga 1-026 W 320*$2 Bob Boston 3-034 M 200*$3 Eve Riga 1-026 W 120*"
       "$4 Ivan Moscow 1-001 M -40*$"},
      {"top10r", "$1 Bob Boston 3-034 M 1560*$2 Ann Riga 1-026 W 1530*$"},
      {"top10k", "$1 Eve Riga 1-026 W 3*$"},
  };
  testing::OfflineHttp http;
  Settings settings;
  OnlineSwitches switches;
  AccountService account{http, "http://127.0.0.1:1/account.php"};
  AccountSession session;
  testing::NotedHooks hooks;
  AccountContext account_context{account, session, hooks, http, "", "", "", {}, settings, nullptr};
  WorldListsContext lists{http, settings, switches, account, session, {}};
  Relay relay;
  TournamentContext context{account_context, lists, relay};
  TournamentLobbyKeeper keeper{context};
};

TEST_F(TournamentWindows, FreeTablesAndThePlayersResults) {
  TFTour* window = keeper.Show(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("WORLD ONLINE TOURNAMENT"));
  EXPECT_EQ(window->TableLabel(7)->text(), QStringLiteral("Table № 7"));
  EXPECT_EQ(window->SeatButton(7, 1)->text(), QStringLiteral("Take the place of"));
  EXPECT_TRUE(window->SeatButton(7, 1)->isEnabled());
  EXPECT_EQ(window->SeatButton(7, 2)->text(), QStringLiteral("Free"));
  EXPECT_FALSE(window->SeatButton(7, 2)->isEnabled());
  EXPECT_TRUE(window->SeatButton(3, 2)->toolTip().contains(QStringLiteral("Rules")));
  EXPECT_TRUE(window->SeatButton(3, 2)->toolTip().contains(QStringLiteral("No Options")));
  EXPECT_EQ(window->Welcome()->text(), QStringLiteral("Welcome to the world tournament!"));
  EXPECT_EQ(window->Welcome()->font().pixelSize(), 18);
  EXPECT_EQ(window->Lamp()->toolTip(), QStringLiteral("Server On"));
  ASSERT_FALSE(window->Lamp()->pixmap().isNull());
  const QString results[6] = {"Eve", "120", "4", "1516", "3", "Riga"};
  for (int row = 0; row < 6; ++row) EXPECT_EQ(window->ResultValue(row)->text(), results[row]);
  EXPECT_TRUE(window->CloseButton()->isEnabled());
  EXPECT_TRUE(window->RefreshTimer()->isActive());
  EXPECT_EQ(window->RefreshTimer()->interval(), 10000);
  EXPECT_EQ(window->ErrorTimer()->interval(), 1000);
  Shoot(*window, "tournament_lobby_free");
  // Opening again while it is open raises the same window.
  EXPECT_EQ(keeper.Show(nullptr), window);
  window->close();
  QTRY_VERIFY(keeper.Window() == nullptr);
}

TEST_F(TournamentWindows, SeatedThePlayerCannotCloseUntilTheServerStops) {
  // Table 4 is full; the service lists the player at table 3 once seated there.
  std::vector<std::string> tables(kTourTables, Table(1, "X", 0));
  tables[6] = Table(7, "Ann", 120, "Zoe", -40);
  SetTables(tables);
  TFTour* window = keeper.Show(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->SeatButton(4, 1)->text(), QStringLiteral("Ann : 120"));
  EXPECT_FALSE(window->SeatButton(4, 1)->isEnabled());
  EXPECT_EQ(window->SeatButton(4, 2)->text(), QStringLiteral("Zoe : -40"));

  tables[7] = Table(8, "Eve", 120);
  SetTables(tables);
  window->SeatButton(3, 1)->click();
  EXPECT_EQ(relay.log, std::vector<std::string>{"open 127.0.0.1:9003 1"});
  EXPECT_EQ(keeper.Lobby().MyTable(), 3);
  EXPECT_EQ(window->SeatButton(3, 1)->text(), QStringLiteral("Log off"));
  EXPECT_TRUE(window->SeatButton(3, 1)->isEnabled());
  EXPECT_FALSE(window->SeatButton(5, 1)->isEnabled());
  for (QPushButton* b : {window->RefreshButton(), window->TopTenButton(), window->CloseButton()})
    EXPECT_FALSE(b->isEnabled());
  Shoot(*window, "tournament_lobby_seated");
  window->close();
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_TRUE(window->isVisible());

  // The server stops: the next tick frees the seat and shows every seat off.
  replies["serverinforead"] =
      "$N The_tournament_server_is_being_updated_and_opens_again_at_noon_GMT!$";
  window->RefreshTimer()->start(0);
  QTRY_COMPARE(keeper.Lobby().MyTable(), 0);
  EXPECT_EQ(Asked("clienton1=0&gid=47&num=3&can=0"), 1u);
  EXPECT_EQ(window->SeatButton(3, 1)->text(), QStringLiteral("Server Off"));
  EXPECT_FALSE(window->SeatButton(3, 1)->isEnabled());
  EXPECT_EQ(window->Lamp()->toolTip(), QStringLiteral("Server Off"));
  EXPECT_EQ(window->Welcome()->font().pixelSize(), 12);
  EXPECT_TRUE(window->CloseButton()->isEnabled());
  Shoot(*window, "tournament_lobby_server_off");
  window->CloseButton()->click();
  QTRY_VERIFY(keeper.Window() == nullptr);
}

TEST_F(TournamentWindows, ClosedForTheMatchAndOpenedAgainAfterIt) {
  TFTour* window = keeper.Show(nullptr);
  ASSERT_NE(window, nullptr);
  window->SeatButton(2, 1)->click();
  keeper.Lobby().OnRelayConnected();
  ASSERT_EQ(keeper.Lobby().RelayState(), RelayStage::Connected);
  // The first deck: the window goes although the player is seated; the seat stays for the game.
  keeper.CloseForGame();
  QTRY_VERIFY(keeper.Window() == nullptr);
  EXPECT_EQ(keeper.Lobby().MySeat(), 1);
  keeper.Lobby().SetGameOver();
  EXPECT_EQ(keeper.Lobby().RelayState(), RelayStage::GameOver);

  // After the match: a fresh lobby, not seated, with the standing read again.
  const size_t ratings = Asked("readrating");
  replies["readrating"] = "$150 4 1522$";
  window = keeper.Show(nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(keeper.Lobby().MyTable(), 0);
  EXPECT_EQ(keeper.Lobby().RelayState(), RelayStage::Idle);
  EXPECT_EQ(Asked("readrating"), ratings + 1);
  EXPECT_EQ(window->ResultValue(1)->text(), QStringLiteral("150"));
  window->close();
  QTRY_VERIFY(keeper.Window() == nullptr);
}

TEST_F(TournamentWindows, TheErrorTimerFreesTheSeatAfterARelayError) {
  TFTour* window = keeper.Show(nullptr);
  ASSERT_NE(window, nullptr);
  window->SeatButton(6, 1)->click();
  ASSERT_EQ(keeper.Lobby().MyTable(), 6);
  keeper.Lobby().OnRelayError();
  QTRY_COMPARE(keeper.Lobby().MyTable(), 0);
  EXPECT_EQ(hooks.notes, std::vector<std::string>{"message Server connection error!"});
  EXPECT_EQ(Asked("clienton2=0&gid=47&num=6&can=0"), 1u);
  EXPECT_TRUE(window->CloseButton()->isEnabled());
  window->close();
  QTRY_VERIFY(keeper.Window() == nullptr);
}

TEST_F(TournamentWindows, NotLoggedInTheLobbyDoesNotOpen) {
  session.state = AccountState::NotLoggedIn;
  QStringList notices;
  SetNoticeHook([&](const QString& line, const QString&, const QString&) { notices << line; });
  EXPECT_EQ(keeper.Show(nullptr), nullptr);
  EXPECT_EQ(notices, QStringList{QStringLiteral("Log in to your account!")});
  EXPECT_TRUE(http.requests.empty());
}

TEST_F(TournamentWindows, TournamentTopTenWithThePlayersPlaceAndMedal) {
  lists.tournament_own = TourStanding{120, 3, 1516};
  TFormTourTopTen window(lists);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tournament Top Ten"));
  const TopTenBoard& board = *window.Board();
  // Four entries, four rows.
  EXPECT_EQ(board.Content().rows.size(), 4u);
  EXPECT_EQ(board.RowText(0), QStringLiteral("1. Ann Riga 320"));
  EXPECT_EQ(board.Content().rows[0].flag, "1-026");
  EXPECT_EQ(board.Content().rows[1].face, "M");
  EXPECT_EQ(board.RowText(4), QString());
  EXPECT_EQ(board.Content().count, QStringLiteral("Your place: 4"));
  EXPECT_EQ(board.Content().medal, 4);
  Shoot(window, "tournament_top_ten");

  // Rating: read again, place 11 without a medal; the choice is kept for the run.
  http.requests.clear();
  window.KindPanel()->Option(TourKind::Rating)->click();
  EXPECT_EQ(Asked("top10r47=0"), 1u);
  EXPECT_EQ(Asked("placer47=0&rating1=1516"), 1u);
  EXPECT_EQ(board.RowText(0), QStringLiteral("1. Bob Boston 1560"));
  EXPECT_EQ(board.Content().count, QStringLiteral("Your place: 11"));
  EXPECT_EQ(board.Content().medal, 0);
  EXPECT_EQ(lists.tournament_kind, TourKind::Rating);

  // Games: place 1, the first badge.
  window.KindPanel()->Option(TourKind::Games)->click();
  EXPECT_EQ(Asked("placek47=0&kon1=3"), 1u);
  EXPECT_EQ(board.Content().medal, 1);
  Shoot(window, "tournament_top_ten_games");

  TFormTourTopTen again(lists);
  EXPECT_TRUE(again.KindPanel()->Option(TourKind::Games)->isChecked());

  // No answer: "No Connect" in place of the list, no place line.
  http.answer = nullptr;
  TFormTourTopTen offline(lists);
  EXPECT_EQ(offline.Board()->Content().note, QStringLiteral("No Connect"));
  EXPECT_TRUE(offline.Board()->Content().count.isEmpty());
}

TEST_F(TournamentWindows, ThePictureDesignShowsTheTournamentAsAWorldCategory) {
  settings.DialogPicture = true;
  TFTour* window = keeper.Show(nullptr);
  ASSERT_NE(window, nullptr);
  Shoot(*window, "tournament_lobby_purple");
  int opened = 0;
  SetModalHook([&](QDialog& dialog) {
    auto* world = qobject_cast<TFormWorldTopTen*>(&dialog);
    EXPECT_NE(world, nullptr);
    if (!world) return 0;
    ++opened;
    EXPECT_EQ(lists.category, 5);
    EXPECT_TRUE(world->ChoiceButton(4)->Animating());
    EXPECT_TRUE(world->KindPanel()->isVisibleTo(world));
    EXPECT_EQ(world->Board()->Content().title, QStringLiteral("WINDOWS. ONLINE TOURNAMENT"));
    EXPECT_EQ(world->Board()->RowText(3), QStringLiteral("4. Ivan Moscow -40"));
    EXPECT_EQ(world->Board()->Content().medal, 4);
    Shoot(*world, "world_top_ten_purple_tournament");
    world->KindPanel()->Option(TourKind::Rating)->click();
    EXPECT_EQ(world->Board()->RowText(0), QStringLiteral("1. Bob Boston 1560"));
    // The other categories hide the panel.
    world->Choose(2);
    EXPECT_FALSE(world->KindPanel()->isVisibleTo(world));
    return 0;
  });
  window->TopTenButton()->click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(lists.tournament_kind, TourKind::Rating);
  window->close();
  QTRY_VERIFY(keeper.Window() == nullptr);
}

}  // namespace
}  // namespace quorvex
