// The tournament service of the real server process, asked as the lobby asks it. Each player is
// a client of its own that keeps its login cookie and comes, as a proxy on this machine would
// say, from an address of its own.
#include <gtest/gtest.h>

#include <QHostAddress>
#include <QTcpSocket>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

#include "online/reply_readers.h"
#include "online/service_request.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

// An HTTP client that says which address it speaks for (X-Forwarded-For, trusted from the
// loopback) and carries the session cookie the server gave it.
class AddressedClient : public HttpClient {
 public:
  explicit AddressedClient(QByteArray address) : address_(std::move(address)) {}

  HttpReply Exchange(const HttpRequest& request) override {
    HttpReply reply;
    const QUrl url(QString::fromStdString(request.url));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(url.port()));
    if (!socket.waitForConnected(5000)) return reply;
    const QByteArray body = QByteArray::fromStdString(request.body);
    QByteArray head = "POST " + url.path().toLatin1() + " HTTP/1.1\r\nHost: x\r\nContent-Type: " +
                      QByteArray::fromStdString(request.content_type) +
                      "\r\nX-Forwarded-For: " + address_ + "\r\n";
    if (!cookie_.isEmpty()) head += "Cookie: " + cookie_ + "\r\n";
    socket.write(head + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray all;
    qsizetype end = -1, length = -1;
    while (socket.waitForReadyRead(5000)) {
      all += socket.readAll();
      end = all.indexOf("\r\n\r\n");
      if (end < 0) continue;
      const qsizetype at = all.toLower().indexOf("content-length:");
      if (at >= 0 && at < end)
        length = all.mid(at + 15, all.indexOf("\r\n", at) - at - 15).trimmed().toLongLong();
      if (length >= 0 && all.size() - end - 4 >= length) break;
    }
    if (end < 0 || length < 0 || !all.startsWith("HTTP/1.1 200")) return reply;
    const qsizetype cookie = all.indexOf("Set-Cookie: ");
    if (cookie >= 0 && cookie < end) {
      const qsizetype from = cookie + 12;
      cookie_ = all.mid(from, all.indexOf(';', from) - from);
    }
    reply.ok = true;
    reply.status = 200;
    reply.body = all.mid(end + 4, length).toStdString();
    return reply;
  }

 private:
  QByteArray address_;
  QByteArray cookie_;
};

struct Player {
  std::string nick;
  AddressedClient http;
};

class TournamentTest : public ::testing::Test {
 protected:
  void Start(QStringList extra = {}) {
    if (OnPostgres()) EmptyPostgres();
    server_ = std::make_unique<Server>(extra);
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
  }
  void SetUp() override {
    relay_port_ = FreeRelayBase();
    Start({QStringLiteral("--relay"), QStringLiteral("127.0.0.1:%1").arg(relay_port_)});
  }

  // A member registered (and so logged in) from the address; the account's city is Riga, its
  // country Latvia (code 1-026).
  std::unique_ptr<Player> Member(const std::string& nick, const char* address,
                                 const char* sex = "W") {
    auto player = std::make_unique<Player>(Player{nick, AddressedClient(address)});
    EXPECT_EQ(PostBody(player->http, server_->Url("/account.php"),
                       JoinBody({"nick=" + nick, "pw=secret1", "city=Riga", "country1=Latvia",
                                 "country2=1-026", std::string("sex=") + sex, "email=a@x.lv",
                                 "dater=05.03.2024", "R01=x", "R02=x", "R03=x", "R04=0", "R05=0",
                                 "R06=0"}))
                  .body,
              "$ ok#")
        << nick;
    return player;
  }
  std::string Body(HttpClient& http, const std::string& body) {
    return PostBody(http, server_->Url("/tournament.php"), body).body;
  }
  std::string Fields(HttpClient& http, const std::vector<std::string>& fields) {
    return PostFields(http, server_->Url("/tournament.php"), fields).body;
  }
  // The seat request as the lobby sends it, with a record of the player it made itself.
  static std::string SeatBody(int seat, int table, int can, const std::string& nick,
                              const std::string& score = "0", const std::string& sex = "M") {
    const std::string s = std::to_string(seat);
    return JoinBody({"clienton" + s + "=0", "gid=47", "num=" + std::to_string(table),
                     "can=" + std::to_string(can), "nick" + s + "=" + nick,
                     "score" + s + "=" + score, "kon" + s + "=3", "rating" + s + "=1700",
                     "country" + s + "=Latvia", "city" + s + "=Riga", "sex" + s + "=" + sex,
                     "ip" + s + "=1.2.3.4"});
  }
  // The lobby's result: 0 taken, 2 held by someone else, 1 anything else.
  static int SeatResult(const std::string& reply) {
    return HasReplyCode(reply, "ok") ? 0 : HasReplyCode(reply, "is") ? 2 : 1;
  }
  std::vector<ReplyFields> Tables(HttpClient& http) {
    return ReadReplyEntries(Fields(http, {"readtable10=47", "gid=47"}));
  }

  std::unique_ptr<Server> server_;
  quint16 relay_port_ = 0;
};

TEST_F(TournamentTest, TablesAndSeatsAsTheLobbyReadsThem) {
  auto anna = Member("Anna", "10.0.0.1");
  auto boris = Member("Boris", "10.0.0.2", "M");
  const ReplyFields info = ReadReplyFields(Fields(boris->http, {"serverinforead=0", "gid=47"}));
  ASSERT_EQ(info.size(), 3u);
  EXPECT_EQ(info[1], "Y");
  EXPECT_EQ(info[2].find(' '), std::string::npos);
  EXPECT_NE(info[2].find("_tournament_"), std::string::npos) << info[2];

  // Whatever the lobby says of the player (score, games, rating, sex, address), the seat shows
  // the server's own record.
  ASSERT_EQ(SeatResult(Body(anna->http, SeatBody(1, 4, 1, "Anna", "9999"))), 0);
  auto tables = Tables(anna->http);
  ASSERT_EQ(tables.size(), 10u);
  for (size_t k = 0; k < 10; ++k) {
    ASSERT_EQ(tables[k].size(), 23u);
    EXPECT_EQ(tables[k][1], std::to_string(10 - k));
    EXPECT_EQ(tables[k][2], "127.0.0.1");
    EXPECT_EQ(tables[k][3], std::to_string(relay_port_ + 10 - k));
  }
  const ReplyFields free_seat{"X", "0", "0", "0", "X", "X", "M", "X"};
  EXPECT_EQ(ReplyFields(tables[6].begin() + 4, tables[6].end()),
            (ReplyFields{"Y", "0", "X", "Anna", "0", "0", "1500", "Latvia", "Riga", "W", "10.0.0.1",
                         "X", "0", "0", "0", "X", "X", "M", "X"}));
  EXPECT_EQ(ReplyFields(tables[0].begin() + 7, tables[0].begin() + 15), free_seat);
  // Nobody but Anna learns her address.
  EXPECT_EQ(Tables(boris->http)[6][14], "X");

  ASSERT_EQ(SeatResult(Body(boris->http, SeatBody(2, 4, 1, "Boris"))), 0);
  tables = Tables(anna->http);
  EXPECT_EQ(tables[6][4], "N");
  EXPECT_EQ(ReplyFields(tables[6].begin() + 15, tables[6].end()),
            (ReplyFields{"Boris", "0", "0", "1500", "Latvia", "Riga", "M", "X"}));
  EXPECT_EQ(Tables(boris->http)[6][22], "10.0.0.2");
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"readclient2=0", "gid=47", "num=4"})),
            (ReplyFields{"", "Boris", "0", "0", "1500", "Latvia", "Riga", "M", "X"}));
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"readclient1=0", "gid=47", "num=4"})).at(8),
            "10.0.0.1");
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"readclient1=0", "gid=47", "num=5"})),
            (ReplyFields{"", "X", "0", "0", "0", "X", "X", "M", "X"}));
}

TEST_F(TournamentTest, WhoMayTakeLeaveAndFreeASeat) {
  auto anna = Member("Anna", "10.0.0.1");
  auto boris = Member("Boris", "10.0.0.2");
  auto cora = Member("Cora", "10.0.0.1");  // Anna's address
  auto dan = Member("Dan", "127.0.0.1");
  auto eve = Member("Eve", "127.0.0.1");
  auto finn = Member("Finn", "10.0.0.2");  // Boris's address
  AddressedClient stranger("10.0.0.9");
  struct Step {
    const char* what;
    HttpClient* who;
    std::string body;
    int result;
  };
  const Step steps[] = {
      {"not logged in", &stranger, SeatBody(1, 2, 1, "Anna"), 1},
      {"as another member", &anna->http, SeatBody(1, 2, 1, "Boris"), 1},
      {"seat 2 beside a free seat 1", &boris->http, SeatBody(2, 2, 1, "Boris"), 1},
      {"a free seat 1", &anna->http, SeatBody(1, 2, 1, "Anna"), 0},
      {"a second seat", &anna->http, SeatBody(1, 3, 1, "Anna"), 1},
      {"the same seat again", &anna->http, SeatBody(1, 2, 1, "Anna"), 1},
      {"a held seat", &boris->http, SeatBody(1, 2, 1, "Boris"), 2},
      {"seat 2 from seat 1's address", &cora->http, SeatBody(2, 2, 1, "Cora"), 1},
      {"seat 2", &boris->http, SeatBody(2, 2, 1, "Boris"), 0},
      {"leaving another's seat", &anna->http, SeatBody(2, 2, 2, "X", "0", "X"), 1},
      {"freeing another's seat", &boris->http, SeatBody(1, 2, 0, "X"), 1},
      {"leaving", &anna->http, SeatBody(1, 2, 2, "X", "0", "X"), 0},
      {"leaving twice", &anna->http, SeatBody(1, 2, 2, "X", "0", "X"), 1},
      {"seat 1 beside seat 2's address", &finn->http, SeatBody(1, 2, 1, "Finn"), 1},
      {"seat 1's address after seat 1 left", &cora->http, SeatBody(1, 2, 1, "Cora"), 0},
      {"freeing after an error", &boris->http, SeatBody(2, 2, 0, "X"), 0},
      {"two players of this machine", &dan->http, SeatBody(1, 5, 1, "Dan"), 0},
      {"... may share a table", &eve->http, SeatBody(2, 5, 1, "eve"), 0},
      {"table 0", &boris->http, SeatBody(1, 0, 1, "Boris"), 1},
      {"table 11", &boris->http, SeatBody(1, 11, 1, "Boris"), 1},
      {"can 3", &boris->http, SeatBody(1, 6, 3, "Boris"), 1},
      {"a score that is no number", &boris->http, SeatBody(1, 6, 1, "Boris", "12x"), 1},
      {"a sex of no kind", &boris->http, SeatBody(1, 6, 1, "Boris", "0", "Q"), 1},
      {"another game", &boris->http,
       JoinBody({"clienton1=0", "gid=48", "num=6", "can=1", "nick1=Boris", "score1=0", "kon1=0",
                 "rating1=0", "country1=X", "city1=X", "sex1=M", "ip1=X"}),
       1},
      {"a field missing", &boris->http,
       JoinBody({"clienton1=0", "gid=47", "num=6", "can=1", "nick1=Boris"}), 1},
      {"after all that, Boris sits", &boris->http, SeatBody(1, 6, 1, "Boris"), 0},
  };
  for (const Step& step : steps)
    EXPECT_EQ(SeatResult(Body(*step.who, step.body)), step.result) << step.what;
  // Who sits where now, by the lobby's entries (table 10 first) and its nick fields (7, 15).
  struct Seated {
    size_t entry, field;
    const char* nick;
  };
  const auto tables = Tables(stranger);
  for (const Seated& s : {Seated{8, 7, "Cora"}, Seated{8, 15, "X"}, Seated{5, 7, "Dan"},
                          Seated{5, 15, "Eve"}, Seated{4, 7, "Boris"}, Seated{7, 7, "X"}})
    EXPECT_EQ(tables.at(s.entry).at(s.field), s.nick) << s.entry << " " << s.field;
}

TEST_F(TournamentTest, RatingPlaceAndTopTenOfANewTournament) {
  auto anna = Member("Anna", "10.0.0.1");
  EXPECT_EQ(ReadReplyFields(Body(anna->http, "readrating47=0&nick=Anna")),
            (ReplyFields{"", "0", "0", "1500"}));
  EXPECT_EQ(Body(anna->http, "readrating47=0&nick=Zed"), "no#");
  EXPECT_EQ(ReadReplyNumber(Body(anna->http, "places47=0&score1=0")), 1);
  EXPECT_EQ(ReadReplyNumber(Body(anna->http, "placer47=0&rating1=1500")), 1);
  EXPECT_TRUE(ReadReplyEntries(Fields(anna->http, {"top10s47=0", "nick=z"})).empty());
}

// A database of a server from before the tournament gets the standings' table.
TEST_F(TournamentTest, AnOlderDatabaseGetsTheStandings) {
  Member("Anna", "10.0.0.1");
  server_->Process().terminate();
  ASSERT_TRUE(server_->Process().waitForFinished(5000));
  server_->Query(QStringLiteral("DROP TABLE tournament_standings"));
  server_->Query(QStringLiteral("UPDATE schema_version SET version = 2"));
  ASSERT_FALSE(
      server_->Query(QStringLiteral("SELECT COUNT(*) FROM tournament_standings")).isValid());
  const quint16 port = FreePort();
  QStringList args{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port),
                   QStringLiteral("--data"), server_->DataDir()};
  if (OnPostgres()) args << QStringLiteral("--database") << PostgresUrl();
  QProcess again;
  again.start(kServer, args);
  ASSERT_TRUE(again.waitForReadyRead(10000));
  AddressedClient anyone("10.0.0.9");
  EXPECT_EQ(ReadReplyFields(PostBody(anyone,
                                     "http://127.0.0.1:" + std::to_string(port) + "/tournament.php",
                                     "readrating47=0&nick=Anna")
                                .body),
            (ReplyFields{"", "0", "0", "1500"}));
  EXPECT_EQ(server_->Query(QStringLiteral("SELECT version FROM schema_version")).toInt(), 3);
  again.terminate();
  again.waitForFinished(5000);
}

TEST_F(TournamentTest, WithoutARelayTheTournamentIsClosed) {
  server_.reset();
  Start();
  auto anna = Member("Anna", "10.0.0.1");
  const ReplyFields info = ReadReplyFields(Fields(anna->http, {"serverinforead=0", "gid=47"}));
  ASSERT_EQ(info.size(), 3u);
  EXPECT_EQ(info[1], "X");
  EXPECT_EQ(SeatResult(Body(anna->http, SeatBody(1, 1, 1, "Anna"))), 1);
  EXPECT_EQ(Tables(anna->http).size(), 10u);
  EXPECT_EQ(ReadReplyFields(Body(anna->http, "readrating47=0&nick=Anna")).at(3), "1500");
}

TEST_F(TournamentTest, TheRelaysPlaceOnTheCommandLine) {
  server_.reset();
  for (const char* bad :
       {"127.0.0.1", "127.0.0.1:0", "127.0.0.1:65530", "somewhere:9000", "127.0.0.1:x"}) {
    Server refused({QStringLiteral("--relay"), QString::fromLatin1(bad)});
    EXPECT_FALSE(refused.Started()) << bad;
    refused.Process().waitForFinished(5000);
    const QByteArray error = refused.Process().readAllStandardError();
    EXPECT_TRUE(error.startsWith("quorvex-server: --relay")) << bad << ": " << error.toStdString();
    EXPECT_EQ(error.count('\n'), 1) << bad;
  }
  // Listening on every address, the relay is named to players by the server's base address.
  Start({QStringLiteral("--relay"), QStringLiteral("0.0.0.0:%1").arg(relay_port_)});
  AddressedClient anyone("10.0.0.9");
  EXPECT_EQ(Tables(anyone).at(9).at(2), "127.0.0.1");
}

}  // namespace
}  // namespace quorvex
