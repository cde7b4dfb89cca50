// Two whole programs in one process, joined over loopback sockets: the Welcome dialog's Ok on
// both, the waiting dialogs, a LAN session played to its end, and a machine that goes away.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "game/trick.h"
#include "locale/lang_text.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "sound_recorders.h"
#include "support/offline_http.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/player_dialog.h"
#include "ui/dialogs/wait_window.h"
#include "ui/table/program_start.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

class SteppedClock : public Clock {
 public:
  int64_t NowMs() override { return now; }
  int64_t now = 0;
};

// One copy of the game: its own folder, clubs, settings and sockets.
struct Machine {
  explicit Machine(const std::string& name)
      : root(fs::temp_directory_path() /
             ("quorvex_lan_" + name + "_" + std::to_string(::getpid()))),
        dir(root / "game") {
    // The program keeps the account's and the chat's files in its folder's parent.
    fs::remove_all(root);
    fs::create_directories(dir);
    EXPECT_TRUE(WriteClubFile(ClubFilePath(dir, false), FreshClubFile()).ok);
    EXPECT_TRUE(WriteClubFile(ClubFilePath(dir, true), FreshClubFile()).ok);
    program =
        std::make_unique<ProgramStart>(ProgramPlaces{dir, temp.path(), &clock, &http}, clips, song);
    Settings& settings = program->GetSettings();
    settings.NetworkGame = true;
    settings.FlyingCards = false;
    settings.SoundOn = false;
    EXPECT_TRUE(program->Start());
    program->Menu().Refresh();
    QTest::mouseClick(&program->Window(), Qt::LeftButton, Qt::NoModifier, QPoint(380, 250));
  }
  ~Machine() {
    program->Finish();
    program.reset();
    fs::remove_all(root);
  }
  GameController& Controller() { return program->Controller(); }
  const TDealState& State() { return program->Controller().State(); }
  int FirstLegal() {
    for (int i = 1; i <= kHandSlots; ++i)
      if (Controller().CanPlayLowerCard(i)) return i;
    return 0;
  }

  fs::path root;
  fs::path dir;
  QTemporaryDir temp;
  SteppedClock clock;
  OfflineHttp http;
  RecordingClips clips;
  RecordingSong song;
  std::unique_ptr<ProgramStart> program;
};

quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

void Settle(int rounds = 6) {
  for (int i = 0; i < rounds; ++i) QTest::qWait(2);
}

class LanGameTest : public ::testing::Test {
 protected:
  LanGameTest() : port(std::to_string(FreePort())) {
    SetModalHook([this](QDialog& dialog) { return Answer(dialog); });
  }
  ~LanGameTest() override { SetModalHook(nullptr); }

  int Answer(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      messages.push_back(box->text().toStdString());
      return int(QMessageBox::Yes);
    }
    if (auto* player = qobject_cast<TFormPlayer*>(&dialog)) {
      const bool serving = !server_asked_;
      server_asked_ = true;
      player->NameEdit()->setText(serving ? QStringLiteral("Sam") : QStringLiteral("Clara"));
      (serving ? player->ServerButton() : player->ClientButton())->setChecked(true);
      player->AddressEdit()->setText(QStringLiteral("127.0.0.1"));
      player->PortEdit()->setText(QString::fromStdString(port));
      player->TryAccept();
      return player->result();
    }
    if (auto* wait = qobject_cast<TFormWait*>(&dialog)) {
      if (wait == server->program->Lan().WaitDialog()) {
        // While the server waits, the other player chooses New Player on the client.
        QTest::mouseClick(client->program->Menu().MemberButton(6), Qt::LeftButton);
        for (int i = 0; i < 200 && !wait->OkButton()->isEnabled(); ++i) QTest::qWait(5);
        return wait->OkButton()->isEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
      }
      // The client's wait ends when the server answers.
      for (int i = 0; i < 200 && wait->result() != QDialog::Accepted; ++i) QTest::qWait(5);
      return wait->result();
    }
    return int(QDialog::Accepted);
  }

  // Both programs join: the server's New Player, its Ok, the client's, the server's wait Ok.
  void Join() {
    QTest::mouseClick(server->program->Menu().MemberButton(6), Qt::LeftButton);
    Settle();
    ASSERT_EQ(server->program->Window().CurrentScreen(), Screen::Table);
    ASSERT_EQ(client->program->Window().CurrentScreen(), Screen::Table);
    ASSERT_TRUE(client->Controller().TableActive());  // the client has the first deck
  }

  // One move of whoever may act; false when nobody can.
  bool Step() {
    for (Machine* m : {client.get(), server.get()}) {
      const TDealState& s = m->State();
      if (s.Phase == PhaseSeat2 && s.PlayState == 2 && m->Controller().TableActive()) {
        m->Controller().OnLowerHandClick(m->FirstLegal());
        return true;
      }
      if (s.Phase == PhaseBidSeat2 && !m->Controller().Auction().Closed()) {
        const bool bids = m == server.get() && m->Controller().Auction().Table().HighestBid() == 0;
        m->Controller().OnLocalCall(bids ? 1 : kCallPass);
        return true;
      }
    }
    GameController& host = server->Controller();
    if (host.Auction().Closed() && server->program->Window().BiddingDialog()) {
      host.OnBiddingOk();
      return true;
    }
    if (host.MainButton().enabled && host.TableActive()) {
      host.OnMainButton();
      return true;
    }
    if (server->State().Phase == PhaseDealOver && !host.EndingAllowed()) {
      server->clock.now += GameController::kLanPauseMs;  // the pause before the next deal
      host.OnTimerTick();
      return true;
    }
    return false;
  }

  std::string port;
  std::unique_ptr<Machine> server = std::make_unique<Machine>("server");
  std::unique_ptr<Machine> client = std::make_unique<Machine>("client");
  std::vector<std::string> messages;
  bool server_asked_ = false;
};

TEST_F(LanGameTest, ASessionOfFourDealsEndsInBothNetworkClubs) {
  Join();
  EXPECT_TRUE(client->program->Window().ChatEdit()->isVisible());
  client->program->Window().ChatEdit()->setText(QStringLiteral("good luck"));
  QTest::mouseClick(client->program->Window().SendButton(), Qt::LeftButton);
  Settle();
  EXPECT_EQ(server->program->Window().Model().chat.lines[0].text, "good luck");

  for (int guard = 0; guard < 2000 && !(server->Controller().EndingAllowed() &&
                                        client->Controller().EndingAllowed());
       ++guard) {
    ASSERT_TRUE(Step()) << "nobody can move";
    Settle(2);
  }
  ASSERT_TRUE(server->Controller().EndingAllowed());
  EXPECT_EQ(server->State().Played, client->State().Played);
  EXPECT_EQ(server->Controller().SessionDeals(), 4);
  EXPECT_EQ(client->Controller().SessionDeals(), 4);
  const int32_t balance = server->Controller().Balance();
  EXPECT_EQ(client->Controller().Balance(), -balance);

  for (Machine* m : {server.get(), client.get()}) {
    QTest::mouseClick(m->program->Window().EndButton(), Qt::LeftButton);
    EXPECT_EQ(m->program->Window().CurrentScreen(), Screen::Menu);
    // The network club keeps the player; the history names both.
    const ClubFileRead club = ReadClubFile(ClubFilePath(m->dir, true));
    ASSERT_TRUE(club.ok());
    ASSERT_TRUE(club.club.Profile(1).has_value());
    EXPECT_EQ(club.club.Profile(1)->deals, 4);
    const std::vector<HistoryRow> rows = ReadHistoryRows(HistoryFilePath(m->dir, 1));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(TrimmedClubName(rows[0].player), m == server.get() ? "Sam/Clara" : "Clara/Sam");
  }
  EXPECT_TRUE(messages.empty()) << messages.front();
}

TEST_F(LanGameTest, AMachineThatGoesAwayMidDealSendsTheOtherToTheMenu) {
  Join();
  for (int i = 0; i < 6; ++i) {
    ASSERT_TRUE(Step());
    Settle(2);
  }
  // The client's program is closed in the middle of the deal.
  client.reset();
  for (int i = 0; i < 100 && server->program->Window().CurrentScreen() != Screen::Menu; ++i)
    QTest::qWait(5);
  EXPECT_EQ(server->program->Window().CurrentScreen(), Screen::Menu);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind(Text(Tx::ClientWord) + " " + Text(Tx::HasInterruptedGame), 0), 0u)
      << messages[0];
  // The player's standing was kept.
  const ClubFileRead club = ReadClubFile(ClubFilePath(server->dir, true));
  ASSERT_TRUE(club.ok());
  EXPECT_TRUE(club.club.Profile(1).has_value());
}

}  // namespace
}  // namespace quorvex::testing
