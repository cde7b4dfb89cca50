// The game against the real server: its start reports, a finished session reported, and a
// server that went away failing softly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <filesystem>

#include "online/account_service.h"
#include "online/service_addresses.h"
#include "online/service_request.h"
#include "online/user_file.h"
#include "online/world_records.h"
#include "online/world_stats.h"
#include "platform/curl_http_client.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "server/program_fakes.h"
#include "server/test_server.h"
#include "ui/dialogs/end_game_dialog.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/resource_download.h"
#include "ui/media/audio_output.h"
#include "ui/menu/account_lamp.h"
#include "ui/online/account_window.h"
#include "ui/online/result_write_window.h"
#include "ui/table/program_start.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

TEST(GameWithServer, StartReportsASessionAndASilentServer) {
  if (qgetenv("QUORVEX_TEST_DATABASE") == "postgres") GTEST_SKIP() << "the game's side is the same";
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const quint16 port = probe.serverPort();
  probe.close();
  const std::string base = "http://127.0.0.1:" + std::to_string(port);
  QTemporaryDir data, game, temp;
  QProcess server;
  server.start(QStringLiteral(QUORVEX_BIN_DIR "/quorvex-server"),
               {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port),
                QStringLiteral("--data"), data.path(), QStringLiteral("--base"),
                QString::fromStdString(base)});
  ASSERT_TRUE(server.waitForReadyRead(10000));
  // The program keeps the account's and the chat's files in its folder's parent.
  const fs::path dir = ProgramFolder(game.path());
  ASSERT_FALSE(dir.empty());
  SetModalHook([](QDialog&) { return int(QDialog::Accepted); });

  Redirect http(base);
  SilentClips clips;
  SilentSong song;
  for (int run = 1; run <= 2; ++run) {
    ProgramStart program(ProgramPlaces{dir, temp.path(), nullptr, &http}, clips, song);
    ASSERT_TRUE(program.Start());
    // The configuration file moved the statistics to the server's own address.
    EXPECT_EQ(program.GetSettings().StatsAddress.plain, base + "/stats.php");
    EXPECT_TRUE(program.GetSettings().InstallReported);
    if (run == 2) {
      // A session of 20 deals won by 350 is reported as it ends.
      program.Keeper().BeginSession(0, "Ann", "");
      program.Keeper().EndSession(350, 20);
      WorldStats stats(http, base + "/stats.php");
      const std::optional<TZefStat> totals = stats.ReadTotals();
      ASSERT_TRUE(totals.has_value());
      EXPECT_EQ(totals->Stat1, 2);  // two starts
      EXPECT_EQ(totals->Stat2, 1);  // one installation
      EXPECT_EQ(totals->StatX[0], 20);
      EXPECT_EQ(totals->StatX[1], 1);
      EXPECT_EQ(totals->StatX[2], 350);
      // The server goes away: the next session ends all the same, quietly.
      server.terminate();
      ASSERT_TRUE(server.waitForFinished(5000));
      program.Keeper().BeginSession(0, "Ann", "");
      program.Keeper().EndSession(-20, 3);
      EXPECT_FALSE(program.Keeper().InSession());
    }
    EXPECT_TRUE(program.Finish());
  }
  SetModalHook(nullptr);
}

TEST(GameWithServer, MissingLibrariesAreDownloadedWholeOrNotAtAll) {
  if (qgetenv("QUORVEX_TEST_DATABASE") == "postgres") GTEST_SKIP() << "the game's side is the same";
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const quint16 port = probe.serverPort();
  probe.close();
  QTemporaryDir data, area, target;
  // The download area holds a good library and one cut short.
  ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVEX_BIN_DIR "/ZefCGraph1.dll"),
                          area.filePath(QStringLiteral("ZefCGraph1.dll"))));
  QFile whole(QStringLiteral(QUORVEX_BIN_DIR "/ZefCards06C.dll"));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  QFile cut(area.filePath(QStringLiteral("ZefCards06C.dll")));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(whole.read(4096));
  cut.close();
  QProcess server;
  server.start(QStringLiteral(QUORVEX_BIN_DIR "/quorvex-server"),
               {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port),
                QStringLiteral("--data"), data.path(), QStringLiteral("--downloads"), area.path()});
  ASSERT_TRUE(server.waitForReadyRead(10000));
  CurlHttpClient http;
  const std::string base = "http://127.0.0.1:" + std::to_string(port);
  EXPECT_TRUE(DownloadResource(http, base, QStringLiteral("ZefCGraph1.dll"), target.path()));
  EXPECT_TRUE(QFile::exists(target.filePath(QStringLiteral("ZefCGraph1.dll"))));
  // A damaged library and a file the area does not have leave nothing behind.
  EXPECT_FALSE(DownloadResource(http, base, QStringLiteral("ZefCards06C.dll"), target.path()));
  EXPECT_FALSE(DownloadResource(http, base, QStringLiteral("ZefBackG03.dll"), target.path()));
  EXPECT_EQ(QDir(target.path()).entryList(QDir::Files),
            QStringList{QStringLiteral("ZefCGraph1.dll")});
  server.terminate();
  server.waitForFinished(5000);
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// The game logged in to its account by the kept login plays a rated match: the account window
// before it, the provisional and final updates, the completed cycle on the account list with its
// bonus, the end-of-game window telling it, a history line of the account, no club member.
TEST(GameWithServer, ARatedMatchAsTheAccountThroughTheProgram) {
  if (OnPostgres()) EmptyPostgres();
  Server server;
  ASSERT_TRUE(server.Started()) << server.Process().readAllStandardError().toStdString();
  std::string base = server.Url("");
  QTemporaryDir folder, temp;
  // The login is kept beside the program's folder.
  const fs::path dir = ProgramFolder(folder.path());
  ASSERT_FALSE(dir.empty());
  {
    CurlHttpClient http;
    AccountService service(http, base + "/account.php");
    // Kept below as "secret 1": the start-up login sends a blank as "-".
    const TZefUser anna = RigaMember("Anna", "secret-1");
    ASSERT_EQ(service.Register(anna), RegisterResult::Created);
    TZefGame game;
    game.Kon = 16;
    game.Rating = 100;
    game.KonL = 16;
    game.Score = 600;
    ASSERT_TRUE(service.SaveGameRecord(anna, game));
    ASSERT_TRUE(WriteUserFile(fs::path(folder.path().toStdString()),
                              {"Anna", EncipherPassword("secret 1")}));
  }

  std::vector<EndGameInput> end_games;
  int account_windows = 0;
  SetModalHook([&](QDialog& dialog) {
    if (auto* account = qobject_cast<TFormAccount*>(&dialog)) {
      ++account_windows;
      // Opened for a rated start: the player plays for the rating.
      EXPECT_TRUE(account->PlayRatingBox()->isEnabled());
      account->PlayRatingBox()->setChecked(true);
    } else if (auto* end = qobject_cast<TFormEndGame*>(&dialog)) {
      end_games.push_back(end->Input());
    }
    return int(QDialog::Accepted);
  });
  Redirect http(base);
  SilentClips clips;
  SilentSong song;
  ProgramStart program(ProgramPlaces{dir, temp.path(), nullptr, &http}, clips, song);
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(program.Account().State(), AccountState::LoggedIn);
  EXPECT_EQ(program.Lamp().State(), AccountState::LoggedIn);

  // A local game while logged in: the account window, then 4 deals as the account.
  program.Menu().ChooseMember(6);
  EXPECT_EQ(account_windows, 1);
  ASSERT_TRUE(program.Keeper().AsAccount());
  EXPECT_TRUE(program.Controller().Options().rated_account_play);
  EXPECT_EQ(program.Keeper().PlayerName(), "Anna");
  {
    CurlHttpClient reader;
    AccountService service(reader, base + "/account.php");
    TZefUser anna;
    anna.Nick = "Anna";
    anna.Pw = "secret-1";
    TZefGame provisional;
    ASSERT_TRUE(service.ReadGameRecord(anna, provisional));
    EXPECT_EQ(provisional.Kon, 20);
    EXPECT_NEAR(provisional.Rating, -19.64, 1e-9);
  }
  // The match ends won by 300: the cycle's score is 900.
  program.Keeper().EndSession(300, 4);
  EXPECT_FALSE(program.Keeper().InSession());
  EXPECT_EQ(program.Account().State(), AccountState::LoggedIn);
  EXPECT_EQ(program.Lamp().State(), AccountState::LoggedIn);
  const TZefGame& game = program.Account().Session().game;
  EXPECT_NEAR(game.Rating, 95.36, 1e-9);
  EXPECT_EQ(game.KonL, 0);
  EXPECT_EQ(game.Sessions, 1);
  ASSERT_EQ(end_games.size(), 1u);
  EXPECT_EQ(end_games[0].place, 1);
  EXPECT_EQ(end_games[0].score, 900);
  EXPECT_EQ(end_games[0].account_state, 3);
  EXPECT_EQ(end_games[0].bonus, 25);
  EXPECT_EQ(program.Account().Session().user.R04, 25);
  // The history names the account's session; the club gained no member.
  const std::vector<HistoryFileInfo> files = ListHistoryFiles(dir);
  ASSERT_EQ(files.size(), 1u);
  const std::vector<HistoryRow> rows = ReadHistoryRows(HistoryFilePath(dir, files[0].number));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].type.substr(0, 1), "A");
  EXPECT_FALSE(ReadClubFile(ClubFilePath(dir, false)).club.Profile(1).has_value());
  EXPECT_TRUE(program.Finish());
  SetModalHook(nullptr);
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// A club member closes a cycle of 20 deals: the end-of-game window, then the offer of the world
// list; sent, the result stands on the server's list with its place, which the window shows.
TEST(GameWithServer, ACycleResultIsSentToTheWorldList) {
  if (OnPostgres()) EmptyPostgres();
  Server server;
  ASSERT_TRUE(server.Started()) << server.Process().readAllStandardError().toStdString();
  const std::string base = server.Url("");
  QTemporaryDir folder, temp;
  const fs::path dir = fs::path(folder.path().toStdString()) / "quorvex";
  fs::create_directories(dir);
  // Ann has played 19 deals of her cycle.
  ClubFile club = FreshClubFile();
  club.profile_lines[0] = ProfileLine(ClubProfile{ClubName("Ann"), 1.0, 19, 0, ClubPassword("")});
  ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, false), club).ok);
  ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, true), FreshClubFile()).ok);
  // Someone else's better result is on the list already.
  {
    CurlHttpClient http;
    ASSERT_TRUE(PostBody(http, base + "/records.php",
                         "gid=47&nick=Boris&city=Riga&country=Latvia&score=2000&R7=M&R8=5.7f&R9=#"
                         "&R10=#*")
                    .ok);
  }
  int64_t place = 0;
  int offers = 0;
  SetModalHook([&](QDialog& dialog) {
    if (auto* offer = qobject_cast<TFormResultWrite*>(&dialog)) {
      ++offers;
      EXPECT_TRUE(offer->SendButton()->isEnabled());
      offer->SendButton()->click();
      place = offer->Place();
    }
    return int(QDialog::Accepted);
  });
  Redirect http(base);
  SilentClips clips;
  SilentSong song;
  ProgramStart program(ProgramPlaces{dir, temp.path(), nullptr, &http}, clips, song);
  ASSERT_TRUE(program.Start());
  program.GetSettings().TopTenNick = "Ann";
  program.GetSettings().TopTenCity = "Oslo";
  // Her twentieth deal closes the cycle, won by 900.
  const SessionPlayer ann = program.Keeper().BeginSession(1, "Ann", "");
  program.Controller().StartSession(TableRole::SinglePlayer, ann, std::string());
  ASSERT_EQ(program.Controller().State().DealNo, 20);
  program.Keeper().EndSession(900, 1);
  EXPECT_EQ(offers, 1);
  EXPECT_EQ(place, 2);
  WorldRecords lists(http, base + "/records.php");
  const RecordList top = lists.ReadTopTen(47);
  ASSERT_TRUE(top.ok);
  EXPECT_EQ(top.entries[1].Nick, "Ann");
  EXPECT_EQ(top.entries[1].Score, 900);
  EXPECT_TRUE(program.Finish());
  SetModalHook(nullptr);
}

}  // namespace
}  // namespace quorvex
