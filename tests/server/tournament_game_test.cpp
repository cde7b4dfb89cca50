// The world online tournament through the real server and its relay: the game as a player runs
// it at seat 1, a second player's program at seat 2 (the game's own seat logic over a socket), a
// deal played to its end, and a player who vanishes in the middle.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>

#include "game/controller.h"
#include "net/tour_peer.h"
#include "online/account_service.h"
#include "online/service_addresses.h"
#include "online/tournament_service.h"
#include "online/user_file.h"
#include "platform/curl_http_client.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "server/program_fakes.h"
#include "server/test_server.h"
#include "support/recording_view.h"
#include "ui/dialogs/modal_run.h"
#include "ui/media/audio_output.h"
#include "ui/online/tournament_lobby_keeper.h"
#include "ui/table/lan_connection.h"
#include "ui/table/program_start.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// The second player's program without its window: logged in, seated through the service, its
// table on the relay.
struct SecondSeat {
  SecondSeat(const std::string& base, const std::string& nick)
      : random(5), controller(view, opponent, random, clock, hooks), peer(controller, view, 2) {
    AccountService account(http, base + "/account.php");
    logged_in = account.LogIn(nick, "secret-2").ok;
    controller.SetPeerLink(&peer);
    peer.SetLink(&connection);
    peer.SetDealt([this, nick] {
      controller.StartSession(TableRole::TourSeat2, SessionPlayer{nick, 0, 0}, "Anna");
    });
    QObject::connect(&connection, &LanConnection::Joined, [this] { peer.SendConnect(); });
    QObject::connect(&connection, &LanConnection::BytesArrived, [this](const QByteArray& bytes) {
      peer.OnBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
    });
  }
  int FirstLegal() const {
    for (int i = 1; i <= kHandSlots; ++i)
      if (controller.CanPlayLowerCard(i)) return i;
    return 0;
  }

  CurlHttpClient http;
  bool logged_in = false;
  testing::RecordingView view;
  PlainOpponent opponent;
  testing::SeededRandom random;
  testing::FakeClock clock;
  SessionHooks hooks;
  GameController controller;
  TourPeer peer;
  LanConnection connection;
};

class TournamentGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPostgres()) EmptyPostgres();
    relay_base_ = FreeRelayBase();
    server_ = std::make_unique<Server>(
        QStringList{QStringLiteral("--relay"), QStringLiteral("127.0.0.1:%1").arg(relay_base_)});
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
    base_ = server_->Url("");
    dir_ = ProgramFolder(folder_.path());
    ASSERT_FALSE(dir_.empty());
    CurlHttpClient http;
    AccountService service(http, base_ + "/account.php");
    ASSERT_EQ(service.Register(RigaMember("Anna", "secret-1")), RegisterResult::Created);
    ASSERT_EQ(service.Register(RigaMember("Bob", "secret-2")), RegisterResult::Created);
    // The program logs Anna in as it starts.
    ASSERT_TRUE(WriteUserFile(fs::path(folder_.path().toStdString()),
                              {"Anna", EncipherPassword("secret 1")}));
    SetModalHook([this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) boxes_.push_back(box->text());
      return int(QDialog::Accepted);
    });
    http_ = std::make_unique<Redirect>(base_);
    program_ = std::make_unique<ProgramStart>(
        ProgramPlaces{dir_, temp_.path(), nullptr, http_.get()}, clips_, song_);
    ASSERT_TRUE(program_->Start());
    ASSERT_EQ(program_->Account().State(), AccountState::LoggedIn);
  }

  void TearDown() override {
    if (program_) {
      EXPECT_TRUE(program_->Finish());
    }
    program_.reset();
    SetModalHook(nullptr);
  }

  // Anna takes seat 1 of table 3 in the lobby; Bob sits down beside her and both are dealt.
  void SitDown(SecondSeat& bob) {
    ASSERT_TRUE(bob.logged_in);
    program_->OpenTournament();
    TournamentLobby& lobby = program_->TourLobby().Lobby();
    ASSERT_TRUE(lobby.ServerOn());
    lobby.ClickSeat(3, 1);
    ASSERT_EQ(lobby.MySeat(), 1);
    ASSERT_TRUE(WaitUntil([&] { return lobby.RelayState() == RelayStage::Connected; }));
    TournamentService service(bob.http, base_ + "/tournament.php");
    const TZefClient record{"Bob", 0, 0, 0, "Latvia", "Riga", "M", "127.0.0.1"};
    ASSERT_EQ(service.RequestSeat(2, 3, SeatChange::Take, record), SeatResult::Done);
    bob.connection.ConnectTo(QStringLiteral("127.0.0.1"), quint16(relay_base_ + 3));
    ASSERT_TRUE(WaitUntil(
        [&] { return program_->Controller().InSession() && bob.controller.InSession(); }));
    EXPECT_EQ(program_->TourLobby().Window(), nullptr);  // the lobby closed for the game
  }

  std::optional<TourStanding> Standing(const std::string& nick) {
    CurlHttpClient http;
    return TournamentService(http, base_ + "/tournament.php").ReadStanding(nick);
  }

  QTemporaryDir folder_, temp_;
  fs::path dir_;
  quint16 relay_base_ = 0;
  std::unique_ptr<Server> server_;
  std::string base_;
  std::unique_ptr<Redirect> http_;
  SilentClips clips_;
  SilentSong song_;
  std::unique_ptr<ProgramStart> program_;
  QStringList boxes_;
};

TEST_F(TournamentGameTest, ADealPlayedToItsEndIsScoredByTheServer) {
  SecondSeat bob(base_, "Bob");
  SitDown(bob);
  GameController& anna = program_->Controller();
  ASSERT_EQ(anna.Role(), TableRole::TourSeat1);
  EXPECT_EQ(anna.OpponentName(), "Bob");
  EXPECT_EQ(program_->Window().Model().clocks[2], GameController::kMoveSeconds);

  // Whoever may act does, and the other's table follows through the relay.
  bool auction_closed = false;
  auto step = [&]() -> bool {
    const TDealState& a = anna.State();
    const TDealState& b = bob.controller.State();
    if (b.Phase == PhaseSeat2 && b.PlayState == 2 && bob.controller.TableActive())
      return bob.controller.OnLowerHandClick(bob.FirstLegal());
    if (b.Phase == PhaseBidSeat2 && !bob.controller.Auction().Closed()) {
      bob.controller.OnLocalCall(kCallPass);
      return true;
    }
    if (a.Phase == PhaseSeat2 && a.PlayState == 2 && anna.TableActive()) {
      for (int i = 1; i <= kHandSlots; ++i)
        if (anna.CanPlayLowerCard(i)) return anna.OnLowerHandClick(i);
    }
    if (a.Phase == PhaseBidSeat2 && !anna.Auction().Closed()) {
      anna.OnLocalCall(anna.Auction().Table().HighestBid() == 0 ? 1 : kCallPass);
      return true;
    }
    if (anna.Auction().Closed() && !auction_closed) {
      anna.OnBiddingOk();
      auction_closed = true;
      return true;
    }
    if (anna.MainButton().enabled && anna.TableActive()) {
      anna.OnMainButton();
      return true;
    }
    return false;
  };
  for (int moves = 0; moves < 300 && anna.State().Phase != PhaseDealOver; ++moves) {
    if (!step() && !WaitUntil([&] { return step(); }, 5000)) break;
    // The move reaches the other table before the next one is made.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  ASSERT_EQ(anna.State().Phase, PhaseDealOver);
  ASSERT_TRUE(WaitUntil([&] { return bob.controller.State().Phase == PhaseDealOver; }));
  EXPECT_EQ(anna.Balance(), -bob.controller.Balance());
  // The relay's end reaches seat 2.
  ASSERT_TRUE(WaitUntil([&] { return bob.controller.EndButton().enabled; }));
  const int32_t balance = anna.Balance();

  // The end button: the result goes out, the session ends, the lobby opens again.
  anna.OnEndButton();
  EXPECT_FALSE(anna.InSession());
  ASSERT_NE(program_->TourLobby().Window(), nullptr);
  // The server scored the deal from its own replay.
  const std::optional<TourStanding> ann = Standing("Anna");
  const std::optional<TourStanding> bob_now = Standing("Bob");
  ASSERT_TRUE(ann && bob_now);
  EXPECT_EQ(ann->Score, balance);
  EXPECT_EQ(bob_now->Score, -balance);
  EXPECT_EQ(ann->Kon, 1);
  EXPECT_EQ(bob_now->Kon, 1);
  // The history keeps the match as a tournament game with the change of the score.
  const std::vector<HistoryFileInfo> files = ListHistoryFiles(dir_);
  ASSERT_EQ(files.size(), 1u);
  const std::vector<HistoryRow> rows = ReadHistoryRows(HistoryFilePath(dir_, files[0].number));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].type, "Tourney");
  EXPECT_EQ(rows[0].player.substr(0, 8), "Anna/Bob");
  EXPECT_EQ(std::stoi(rows[0].result), balance);
  // Both stand in the top ten by games.
  CurlHttpClient http;
  const RecordList games =
      TournamentService(http, base_ + "/tournament.php").ReadTopTen(TourKind::Games);
  ASSERT_TRUE(games.ok);
  EXPECT_EQ(games.entries[0].Score, 1);
  EXPECT_EQ(games.entries[1].Score, 1);
}

TEST_F(TournamentGameTest, APlayerWhoVanishesLosesAndTheOtherIsTold) {
  auto bob = std::make_unique<SecondSeat>(base_, "Bob");
  SitDown(*bob);
  GameController& anna = program_->Controller();
  anna.OnMainButton();  // play starts
  ASSERT_TRUE(WaitUntil([&] { return bob->controller.State().PlayState == 2; }));
  bob.reset();  // Bob's program is gone
  ASSERT_TRUE(WaitUntil([&] { return anna.RelayOver(); }));
  ASSERT_FALSE(boxes_.isEmpty());
  EXPECT_EQ(boxes_.last(), QStringLiteral("Player Bob interrupted the game!\nYou won!"));
  EXPECT_TRUE(anna.EndButton().enabled);
  anna.OnEndButton();
  const std::optional<TourStanding> ann = Standing("Anna");
  const std::optional<TourStanding> gone = Standing("Bob");
  ASSERT_TRUE(ann && gone);
  EXPECT_EQ(ann->Score, 200);
  EXPECT_EQ(gone->Score, -200);
}

}  // namespace
}  // namespace quorvex
