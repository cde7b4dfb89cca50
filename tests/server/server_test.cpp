// The server as a real process, asked through the game's own HTTP client and reply readers: the
// records and statistics services, the files it serves, its limits and its command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <string>

#include "online/avatar.h"
#include "online/configuration.h"
#include "online/reply_readers.h"
#include "online/service_request.h"
#include "online/world_stats.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPostgres()) EmptyPostgres();
    server_ = std::make_unique<Server>();
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
  }
  std::string Records(const std::string& body) {
    return PostBody(client_, server_->Url("/records.php"), body).body;
  }
  std::string Write(const char* nick, const char* city, int score, int list = 47) {
    return Records("gid=" + std::to_string(list) + "&nick=" + nick + "&city=" + city +
                   "&country=1-003&score=" + std::to_string(score) + "&R7=W&R8=5.7f&R9=#&R10=#*");
  }
  std::vector<ReplyFields> TopTen(int list) {
    const HttpReply reply = PostFields(client_, server_->Url("/records.php"),
                                       {"gid=" + std::to_string(list)}, ExchangeLimit::ShortRead);
    EXPECT_TRUE(reply.ok);
    return ReadReplyEntries(reply.body, 10);
  }
  std::optional<long long> Count(int list) {
    return ReadReplyNumber(
        PostFields(client_, server_->Url("/records.php"), {"rgid=" + std::to_string(list)}).body);
  }

  std::unique_ptr<Server> server_;
  CurlHttpClient client_;
};

TEST_F(ServerTest, ListsRankBestFirstAndReadBackThroughTheGamesReaders) {
  EXPECT_EQ(ReadReplyNumber(Write("Anna", "Riga", 1250)), 1);
  EXPECT_EQ(ReadReplyNumber(Write("Bob", "Oslo", 1500)), 1);
  // An equal score ranks after the older entry.
  EXPECT_EQ(ReadReplyNumber(Write("Cyd", "Rome", 1250)), 3);
  // Windows-1251 bytes come back as they went.
  EXPECT_EQ(ReadReplyNumber(Write("\xC0\xED\xED\xE0", "\xD0\xE8\xE3\xE0", -40)), 4);
  const std::vector<ReplyFields> best = TopTen(47);
  ASSERT_EQ(best.size(), 4u);
  EXPECT_EQ(best[0], (ReplyFields{"", "1", best[0][2], "1500", "Bob", "1-003", "Oslo", "W", "5.7f",
                                  "#", "#"}));
  EXPECT_EQ(best[1][4], "Anna");
  EXPECT_EQ(best[2][4], "Cyd");
  EXPECT_EQ(best[3][4], "\xC0\xED\xED\xE0");
  EXPECT_EQ(Count(47), 4);
  EXPECT_EQ(Count(147), 0);
  EXPECT_TRUE(TopTen(347).empty());
  // Own entries: that nick and city, with their places in the whole list.
  Write("Anna", "Riga", 1600);
  const std::vector<ReplyFields> own = ReadReplyEntries(Records("gid=47&nick=Anna&city=Riga"), 10);
  ASSERT_EQ(own.size(), 2u);
  EXPECT_EQ(own[0][1], "1");
  EXPECT_EQ(own[0][3], "1600");
  EXPECT_EQ(own[1][1], "3");
}

TEST_F(ServerTest, BadRequestsAreRefusedAndChangeNothing) {
  Write("Anna", "Riga", 100);
  const std::string refused[] = {
      "gid=999",           // unknown list
      "gid=47&nick=Anna",  // an operation it does not know
      "gid=47&nick=Anna&city=Riga&country=1-003&score=12x&R7=W&R8=5.7f&R9=#&R10=#*",
      "gid=47&nick=An na&city=Riga&country=1-003&score=1&R7=W&R8=5.7f&R9=#&R10=#*",
      "gid=47&nick=AAAAAAAAAAAAAAAAAAAAAAAAA&city=Riga&country=1-003&score=1&R7=W&R8=5.7f&R9=#&R10="
      "#*",
      "gid=47&nick=Anna&city=Riga&country=1-003&score=1&R7=X&R8=5.7f&R9=#&R10=#*",
      "gid=47&nick=Anna&city=Ri$ga&country=1-003&score=1&R7=W&R8=5.7f&R9=#&R10=#*",
      "gid=47&gid=47",
      "rgid=abc",
      "garbage",
  };
  for (const std::string& body : refused) {
    const std::string reply = Records(body);
    EXPECT_TRUE(IsRefusal(reply)) << body << " -> " << reply;
    EXPECT_TRUE(ReadReplyFields(reply).empty()) << body;
  }
  // A body over 16 KB is not taken at all.
  const HttpReply big =
      PostBody(client_, server_->Url("/records.php"), "gid=47&nick=" + std::string(17 * 1024, 'a'));
  EXPECT_FALSE(big.ok);
  EXPECT_EQ(big.status, 413);
  EXPECT_EQ(Count(47), 1);
  EXPECT_EQ(TopTen(47).size(), 1u);
}

// What a raw connection gets back for the bytes it sends, until the server has answered
// `answers` times or closes it.
std::string Exchange(quint16 port, const QByteArray& bytes, int answers) {
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, port);
  if (!socket.waitForConnected(5000)) return "no connection";
  socket.write(bytes);
  QByteArray got;
  while (got.count("HTTP/1.1 ") < answers && socket.waitForReadyRead(5000)) got += socket.readAll();
  return got.toStdString();
}

// A request is judged by its head: a body declared too long, or of no declared length, is refused
// before it is read, so no client can make the server hold it; requests within the bounds follow
// each other on one connection.
TEST_F(ServerTest, OverlongRequestsAreRefusedBeforeTheyAreRead) {
  const QByteArray post = "POST /records.php HTTP/1.1\r\nHost: x\r\nContent-Length: ";
  const struct {
    QByteArray request;
    const char* status;
  } cases[] = {
      {post + "1000000000\r\n\r\ngid=47&nick=", "413"},
      {"POST /records.php HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n6\r\ngid=47",
       "411"},
      {"GET /ip.php HTTP/1.1\r\nX-Long: " + QByteArray(20000, 'a') + "\r\n\r\n", "431"},
  };
  for (const auto& c : cases) {
    const std::string reply = Exchange(server_->Port(), c.request, 1);
    EXPECT_EQ(reply.substr(0, 12), std::string("HTTP/1.1 ") + c.status) << reply;
  }
  Write("Anna", "Riga", 100);
  const QByteArray count = "rgid=47";
  const QByteArray two = post + QByteArray::number(count.size()) + "\r\n\r\n" + count + post +
                         QByteArray::number(count.size()) + "\r\n\r\n" + count;
  const std::string replies = Exchange(server_->Port(), two, 2);
  EXPECT_EQ(QByteArray::fromStdString(replies).count("$1$"), 2) << replies;
  EXPECT_EQ(Count(47), 1);
}

TEST_F(ServerTest, StatisticsAreSummedPerGame) {
  WorldStats stats(client_, server_->Url("/stats.php"));
  bool reported = false;
  stats.ReportStart(reported);
  EXPECT_TRUE(reported);
  stats.ReportStart(reported);
  EXPECT_TRUE(stats.ReportSession(CountSession(TableRole::SinglePlayer, 20, 350)));
  EXPECT_TRUE(stats.ReportSession(CountSession(TableRole::SinglePlayer, 3, -90)));
  EXPECT_TRUE(stats.ReportSession(CountSession(TableRole::LanServer, 4, 0)));
  EXPECT_TRUE(stats.SendLike("Anna"));
  EXPECT_TRUE(IsRefusal(PostBody(client_, server_->Url("/stats.php"), "gid=47&R1=-5").body));
  const std::optional<TZefStat> totals = stats.ReadTotals();
  ASSERT_TRUE(totals.has_value());
  EXPECT_EQ(totals->Stat1, 2);
  EXPECT_EQ(totals->Stat2, 1);
  EXPECT_EQ(totals->Stat3, 1);
  EXPECT_EQ(totals->Stat4, "Anna");
  EXPECT_EQ(totals->StatX[0], 23);
  EXPECT_EQ(totals->StatX[1], 1);
  EXPECT_EQ(totals->StatX[2], 350);
  EXPECT_EQ(totals->StatX[3], 90);
  EXPECT_EQ(totals->StatX[4], 4);
}

TEST_F(ServerTest, ConfigurationEchoPagesAndFiles) {
  Settings settings;
  OnlineSwitches switches;
  const HttpReply config = GetAddress(client_, server_->Url("/config.txt"));
  ASSERT_TRUE(config.ok);
  ApplyConfiguration(config.body, settings, switches);
  EXPECT_EQ(settings.TopTenAddress.plain, server_->Url("/records.php"));
  EXPECT_EQ(settings.StatsAddress.plain, server_->Url("/stats.php"));
  EXPECT_EQ(switches.account.plain, server_->Url("/account.php"));
  EXPECT_EQ(GetAddress(client_, server_->Url("/ip.php")).body, "127.0.0.1");
  EXPECT_NE(GetAddress(client_, server_->Url("/news.html")).body.find("ZefNews"),
            std::string::npos);
  const std::string adverts = GetAddress(client_, server_->Url("/adverts.txt")).body;
  EXPECT_NE(adverts.find("SecAdv0000="), std::string::npos);
  EXPECT_NE(adverts.find(server_->Url("/adverts/")), std::string::npos);
  EXPECT_TRUE(GetAddress(client_, server_->Url("/downloads/progr/cards/ZefCGraph1.dll")).ok);
  // The music's playlist and tracks and the radio's stations, from their folders.
  for (const char* name :
       {"musik/_playlist.html", "musik/Some_Band~Some_Song.mp3", "radio/ZefRadio.rad"}) {
    QFile file(QDir(server_->DataDir()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
    file.write(name);
    file.close();
    EXPECT_EQ(GetAddress(client_, server_->Url((std::string("/") + name).c_str())).body, name);
  }
  for (const char* outside :
       {"/downloads/progr/cards/..%2Fquorvex", "/downloads/progr/cards/.bashrc",
        "/avatars/..%2F..%2Fetc%2Fpasswd", "/avatars/Nobody.jpg", "/musik/..%2Fquorvex.sqlite",
        "/radio/.", "/musik/"})
    EXPECT_FALSE(GetAddress(client_, server_->Url(outside)).ok) << outside;
  // The log has a line for each request.
  QFile log(QDir(server_->DataDir()).filePath(QStringLiteral("server.log")));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(log.readAll().count('\n'), 15);
}

TEST_F(ServerTest, AvatarsComeFromTheirFolder) {
  const std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + "a picture";
  QFile picture(QDir(server_->DataDir()).filePath(QStringLiteral("avatars/Anna.jpg")));
  ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
  picture.write(jpeg.data(), qint64(jpeg.size()));
  picture.close();
  const std::string base = server_->Url("/avatars/");
  EXPECT_EQ(FetchAvatar(client_, base, "Anna"), jpeg);
  EXPECT_EQ(FetchAvatar(client_, base, "Bob"), std::nullopt);
  EXPECT_EQ(FetchAvatar(client_, base, "../quorvex"), std::nullopt);
}

// Server processes sharing one PostgreSQL database see each other's writes at once, though
// each remembers the top ten it last answered; SQLite's data folder is for one server only.
TEST_F(ServerTest, ServersSharingTheDataSeeEachOthersWrites) {
  if (!OnPostgres()) {
    QProcess second;
    second.start(kServer,
                 {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(FreePort()),
                  QStringLiteral("--data"), server_->DataDir()});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("already uses the data folder"));
    return;
  }
  Server other;
  ASSERT_TRUE(other.Started());
  Write("Anna", "Riga", 100);
  const auto top_ten_of_other = [&] {
    return ReadReplyEntries(
        PostFields(client_, other.Url("/records.php"), {"gid=47"}, ExchangeLimit::ShortRead).body,
        10);
  };
  ASSERT_EQ(top_ten_of_other().size(), 1u);
  Write("Bob", "Oslo", 200);
  // The other server hears of the write as it is committed; give its event loop a moment.
  std::vector<ReplyFields> seen;
  for (int i = 0; i < 50 && seen.size() < 2; ++i) {
    if (i > 0) QThread::msleep(20);
    seen = top_ten_of_other();
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0][4], "Bob");
}

TEST_F(ServerTest, StopsCleanlyOnTerminate) {
  Write("Anna", "Riga", 10);
  server_->Process().terminate();
  ASSERT_TRUE(server_->Process().waitForFinished(5000));
  EXPECT_EQ(server_->Process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(server_->Process().exitCode(), 0);
  EXPECT_TRUE(server_->Process().readAllStandardOutput().contains("stopped"));
}

// The command line's errors, one line each.
TEST(ServerCommandLine, ClearErrors) {
  if (OnPostgres()) GTEST_SKIP() << "the command line is the same on both databases";
  auto run = [](const QStringList& args) {
    QProcess process;
    process.start(kServer, args);
    EXPECT_TRUE(process.waitForFinished(15000));
    return std::pair{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
  };
  QTemporaryDir dir;
  QTcpServer busy;
  ASSERT_TRUE(busy.listen(QHostAddress::LocalHost, 0));
  const auto [busy_code, busy_text] =
      run({QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(busy.serverPort()),
           QStringLiteral("--data"), dir.path()});
  EXPECT_EQ(busy_code, 1);
  EXPECT_TRUE(busy_text.contains(QStringLiteral("cannot listen"))) << busy_text.toStdString();
  EXPECT_EQ(busy_text.count(QLatin1Char('\n')), 1);

  QFile file(dir.filePath(QStringLiteral("a-file")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const auto [folder_code, folder_text] =
      run({QStringLiteral("--data"), dir.filePath(QStringLiteral("a-file/below"))});
  EXPECT_EQ(folder_code, 1);
  EXPECT_TRUE(folder_text.contains(QStringLiteral("data folder"))) << folder_text.toStdString();

  const auto [db_code, db_text] =
      run({QStringLiteral("--data"), dir.path(), QStringLiteral("--database"),
           QStringLiteral("postgresql://nobody@127.0.0.1:1/nothing")});
  EXPECT_EQ(db_code, 1);
  EXPECT_TRUE(db_text.contains(QStringLiteral("cannot reach the database")))
      << db_text.toStdString();
  EXPECT_EQ(db_text.count(QLatin1Char('\n')), 1);
}

}  // namespace
}  // namespace quorvex
