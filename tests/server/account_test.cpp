// The account service of the real server process, asked as the game asks it: each player is a
// client of its own, whose cookies carry the login session from request to request.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <algorithm>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "online/reply_readers.h"
#include "online/service_request.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

struct Player {
  std::string nick, pw;
  CurlHttpClient http;
};

class AccountTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPostgres()) EmptyPostgres();
    server_ = std::make_unique<Server>();
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
  }

  std::string Body(HttpClient& http, const std::string& body) {
    return PostBody(http, server_->Url("/account.php"), body).body;
  }
  std::string Fields(HttpClient& http, const std::vector<std::string>& fields) {
    return PostFields(http, server_->Url("/account.php"), fields).body;
  }
  static std::string RegisterBody(const std::string& nick, const std::string& pw,
                                  const std::string& city = "Riga",
                                  const std::string& email = "anna@x.lv",
                                  const std::string& purse = "0") {
    return JoinBody({"nick=" + nick, "pw=" + pw, "city=" + city, "country1=Latvia",
                     "country2=1-026", "sex=W", "email=" + email, "dater=05.03.2024", "R01=xxx",
                     "R02=xxx", "R03=xxx", "R04=" + purse, "R05=0", "R06=0"});
  }
  // A registered player, logged in by the registration.
  std::unique_ptr<Player> Member(const std::string& nick, const std::string& pw = "secret1") {
    auto player = std::make_unique<Player>();
    player->nick = nick;
    player->pw = pw;
    EXPECT_EQ(Body(player->http, RegisterBody(nick, pw)), "$ ok#") << nick;
    return player;
  }
  std::string LogIn(Player& p) {
    return Fields(p.http, {"nick=" + p.nick, "pw=" + p.pw, "label0=0"});
  }
  std::string SaveRecord(Player& p, const std::string& kon, const std::string& rating,
                         const std::string& ses = "0", const std::string& pw = "") {
    const std::string x = "qvrx02";
    return Body(p.http,
                JoinBody({"nick=" + p.nick, "pw=" + (pw.empty() ? p.pw : pw), x + "kon=" + kon,
                          x + "best=900", x + "rating=" + rating, x + "ses=" + ses, x + "konl=0",
                          x + "score=0", x + "R1=0", x + "R2=#"}));
  }
  std::string Change(HttpClient& http, const std::string& nick, long long amount) {
    return Body(http,
                JoinBody({"nick=" + nick, "labelzefsave=0", "R04=" + std::to_string(amount)}));
  }
  // The balance as the database holds it.
  long long Zefs(const std::string& nick) {
    return server_
        ->Query(QStringLiteral("SELECT b.zefs FROM balances b JOIN members m ON m.id = "
                               "b.member_id WHERE m.nick = ?"),
                {QByteArray::fromStdString(nick)})
        .toLongLong();
  }
  void SetZefs(const std::string& nick, long long zefs) {
    server_->Query(QStringLiteral("UPDATE balances SET zefs = ? WHERE member_id = (SELECT id FROM "
                                  "members WHERE nick = ?)"),
                   {zefs, QByteArray::fromStdString(nick)});
    ASSERT_EQ(Zefs(nick), zefs);
  }
  std::string WriteScore(HttpClient& http, const std::string& nick, int score) {
    return PostBody(http, server_->Url("/records.php"),
                    "gid=347&nick=" + nick + "&city=Riga&country=Latvia&score=" +
                        std::to_string(score) + "&R7=W&R8=5.7f&R9=#&R10=#*")
        .body;
  }
  std::string ProfileBody(const std::string& nick, const std::string& about) {
    std::vector<std::string> pairs{"nick=" + nick, "labelinfosave=0"};
    for (const char* name :
         {"namei", "name2", "about", "telephone", "emailo", "website", "skype", "ok", "vk",
          "telegram", "facebook", "twitter", "instagramm", "youtube"})
      pairs.push_back(std::string(name) + "=" + (std::string(name) == "about" ? about : ""));
    pairs[2] = "namei=Anna";
    return JoinBody(pairs);
  }

  std::unique_ptr<Server> server_;
};

TEST_F(AccountTest, RegistrationLoginAndTheMemberCount) {
  Player stranger;
  EXPECT_EQ(ReadReplyNumber(Body(stranger.http, "label1=0")), 0);
  // A member from Reno with the e-mail nobody@x: the "no" inside the data is no refusal.
  EXPECT_EQ(Body(stranger.http, RegisterBody("Anna", "secret1", "Reno", "nobody@x")), "$ ok#");
  // Windows-1251 city letters are kept as bytes.
  EXPECT_EQ(Body(stranger.http, RegisterBody("Boris", "secret2", "\xCC\xEE\xF1\xEA\xE2\xE0")),
            "$ ok#");
  for (const char* taken : {"Anna", "ANNA"})
    EXPECT_TRUE(HasReplyCode(Body(stranger.http, RegisterBody(taken, "other1")), "is")) << taken;
  EXPECT_EQ(ReadReplyNumber(Body(stranger.http, "label1=0")), 2);

  Player anna{"Anna", "secret1", {}};
  const std::string reply = LogIn(anna);
  EXPECT_FALSE(IsRefusal(reply)) << reply;
  EXPECT_EQ(ReadReplyFields(reply),
            (ReplyFields{"", "Reno", "Latvia", "1-026", "W", "nobody@x", "05.03.2024", "xxx", "xxx",
                         "xxx", "0", "0", "0"}));
  Player boris{"Boris", "secret2", {}};
  EXPECT_EQ(ReadReplyFields(LogIn(boris))[1], "\xCC\xEE\xF1\xEA\xE2\xE0");
  for (const auto& [nick, pw] : std::vector<std::pair<std::string, std::string>>{
           {"Anna", "secret2"}, {"Anna", "secret"}, {"Nobody", "secret1"}, {"Anna", ""}}) {
    Player wrong{nick, pw, {}};
    EXPECT_TRUE(IsRefusal(LogIn(wrong))) << nick << " " << pw;
  }
}

TEST_F(AccountTest, RegistrationsBreakingTheFieldRulesAreRefused) {
  Player p;
  const std::string refused[] = {
      RegisterBody("A", "secret1"),                                 // nick of one character
      RegisterBody("\xC0\xED\xED\xE0", "secret1"),                  // Cyrillic nick
      RegisterBody("Anna Lee", "secret1"),                          // a blank
      RegisterBody("Annabellelees", "secret1"),                     // 13 characters
      RegisterBody("Anna", "abc"),                                  // password of three
      RegisterBody("Anna", "secret1", "R"),                         // city of one
      RegisterBody("Anna", "secret1", "Riga", "anna@"),             // "@" last
      RegisterBody("Anna", "secret1", "Riga", "@anna"),             // "@" first
      RegisterBody("Anna", "secret1", "Riga", "anna@x.lv", "500"),  // a balance of its own
      "nick=Anna&pw=secret1",                                       // not the whole form
  };
  for (const std::string& body : refused) EXPECT_EQ(Body(p.http, body), "no#") << body;
  // The shortest valid e-mail: two characters, "@", one.
  EXPECT_EQ(Body(p.http, RegisterBody("Anna", "secret1", "Riga", "ab@c")), "$ ok#");
  EXPECT_EQ(ReadReplyNumber(Body(p.http, "label1=0")), 1);
}

// Passwords are kept as salted slow hashes only, and never written to the log.
TEST_F(AccountTest, PasswordsAreStoredHashed) {
  Member("Anna", "secret1");
  Member("Boris", "secret1");
  const QByteArray anna = server_
                              ->Query(QStringLiteral("SELECT password FROM members WHERE nick = ?"),
                                      {QByteArray("Anna")})
                              .toByteArray();
  const QByteArray boris =
      server_
          ->Query(QStringLiteral("SELECT password FROM members WHERE nick = ?"),
                  {QByteArray("Boris")})
          .toByteArray();
  EXPECT_TRUE(anna.startsWith("pbkdf2-sha256$")) << anna.toStdString();
  EXPECT_FALSE(anna.contains("secret1"));
  EXPECT_NE(anna, boris);  // each its own salt
  QFile log(QDir(server_->DataDir()).filePath(QStringLiteral("server.log")));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_FALSE(log.readAll().contains("secret1"));
}

// Two registrations of one nick at once: one is in, the other is told the nick is taken. On
// PostgreSQL they go to two servers sharing the database, so only its unique index decides.
TEST_F(AccountTest, ARaceOfTwoRegistrationsLetsOneIn) {
  std::unique_ptr<Server> other;
  if (OnPostgres()) {
    other = std::make_unique<Server>();
    ASSERT_TRUE(other->Started());
  }
  const std::string urls[2] = {server_->Url("/account.php"),
                               (other ? *other : *server_).Url("/account.php")};
  std::vector<std::future<std::string>> replies;
  for (int i = 0; i < 2; ++i)
    replies.push_back(std::async(std::launch::async, [&, i] {
      CurlHttpClient http;
      return PostBody(http, urls[i], RegisterBody("Anna", "secret" + std::to_string(i))).body;
    }));
  std::vector<std::string> got{replies[0].get(), replies[1].get()};
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (std::vector<std::string>{"$ is#", "$ ok#"}));
  // The index itself refuses a second row of the nick.
  server_->Query(
      QStringLiteral("INSERT INTO members SELECT id + 1, nick, nick_key, password, city, "
                     "country1, country2, sex, email, dater, r01, r02, r03, r05, r06, "
                     "registered_at, registered_from FROM members"));
  EXPECT_EQ(server_->Query(QStringLiteral("SELECT COUNT(*) FROM members")).toInt(), 1);
}

TEST_F(AccountTest, GameRecordRatingPlaceAndTopTen) {
  auto anna = Member("Anna");
  auto boris = Member("Boris");
  auto clara = Member("Clara");
  // A member who never saved a record reads the empty one.
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"nick=Anna", "pw=secret1", "qvrx02best=0"})),
            (ReplyFields{"", "0", "0", "0", "0", "0", "0", "0", "#"}));
  EXPECT_EQ(SaveRecord(*anna, "20", "95.36", "1"), "$ ok#");
  EXPECT_EQ(SaveRecord(*boris, "4", "-19.64"), "$ ok#");
  EXPECT_EQ(SaveRecord(*clara, "8", "120.5"), "$ ok#");
  const ReplyFields record =
      ReadReplyFields(Fields(anna->http, {"nick=Anna", "pw=secret1", "qvrx02best=0"}));
  EXPECT_EQ(record, (ReplyFields{"", "20", "900", "95.36", "1", "0", "0", "0", "#"}));
  EXPECT_EQ(ParseRating(record[3]), 95.36);
  // A wrong password reads nothing.
  EXPECT_TRUE(
      ReadReplyFields(Fields(anna->http, {"nick=Anna", "pw=secret9", "qvrx02best=0"})).empty());

  EXPECT_EQ(ReadReplyNumber(Body(anna->http, "qvrx02rating=95.36")), 2);
  EXPECT_EQ(ReadReplyNumber(Body(anna->http, "qvrx02rating=200")), 1);
  EXPECT_EQ(ReadReplyNumber(Body(anna->http, "qvrx02rating=-50")), 4);

  const std::vector<ReplyFields> top = ReadReplyEntries(Fields(anna->http, {"qvrx02kon=0"}), 10);
  ASSERT_EQ(top.size(), 3u);
  EXPECT_EQ(top[0], (ReplyFields{"", "1", "Clara", "Riga", "Latvia", "1-026", "W", "120.5"}));
  EXPECT_EQ(top[1][2], "Anna");
  EXPECT_EQ(top[2][2], "Boris");
  EXPECT_EQ(ParseRating(top[2][7]), -19.64);
}

TEST_F(AccountTest, ProfileRoundTrip) {
  auto anna = Member("Anna");
  const auto read = [&] { return Fields(anna->http, {"nick=Anna", "labelinforead=0"}); };
  // Never saved: fourteen empty fields.
  EXPECT_EQ(ReadReplyFields(read(), '~'), ReplyFields(15));
  const std::string about = "I play at night, 100% \xE2\xF1\xE5\xE3\xE4\xE0 *";
  EXPECT_EQ(Body(anna->http, ProfileBody("Anna", about)), "$ ok#");
  const ReplyFields profile = ReadReplyFields(read(), '~');
  ASSERT_EQ(profile.size(), 15u);
  EXPECT_EQ(profile[1], "Anna");
  EXPECT_EQ(profile[3], about);
  EXPECT_EQ(profile[14], "");
  // The separators of the reply never get in; nor do texts past their limits.
  for (const std::string& bad : {std::string("a~b"), std::string("a$b"), std::string(51, 'a')})
    EXPECT_EQ(Body(anna->http, ProfileBody("Anna", bad)), "no#") << bad;
  EXPECT_EQ(ReadReplyFields(read(), '~')[3], about);
  EXPECT_EQ(Fields(anna->http, {"nick=Nobody", "labelinforead=0"}), "no#");
}

TEST_F(AccountTest, TransferMovesZefsOnceBetweenMembers) {
  auto anna = Member("Anna");
  Member("Boris");
  SetZefs("Anna", 100);
  // The game's transfer: the recipient's credit, then its own debit.
  EXPECT_EQ(Change(anna->http, "Boris", 30), "$ ok#");
  EXPECT_EQ(Zefs("Anna"), 70);
  EXPECT_EQ(Zefs("Boris"), 30);
  EXPECT_EQ(Change(anna->http, "Anna", -30), "$ ok#");
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"nick=Anna", "labelzefread=0"})),
            (ReplyFields{"", "70"}));
  // The debit is the second half of that one transfer, not a second one.
  EXPECT_EQ(Change(anna->http, "Anna", -30), "no#");
  // More than the balance, and a recipient who is no member.
  EXPECT_EQ(Change(anna->http, "Boris", 71), "no#");
  EXPECT_EQ(Change(anna->http, "Nobody", 10), "no#");
  EXPECT_EQ(Zefs("Anna"), 70);
  EXPECT_EQ(Zefs("Boris"), 30);
  EXPECT_EQ(Fields(anna->http, {"nick=Nobody", "labelzefread=0"}), "no#");
}

// Without the sender's own session nothing moves: the game's balance change carries no password.
TEST_F(AccountTest, ForgedChangesAreRefused) {
  auto anna = Member("Anna");
  auto boris = Member("Boris");
  SetZefs("Anna", 100);
  SetZefs("Boris", 5);
  EXPECT_EQ(SaveRecord(*anna, "4", "10"), "$ ok#");
  Player nobody;  // no session at all
  const struct {
    HttpClient* http;
    std::string body;
  } forged[] = {
      {&nobody.http, "nick=Anna&labelzefsave=0&R04=50"},
      {&nobody.http, "nick=Boris&labelzefsave=0&R04=50"},
      {&boris->http, "nick=Anna&labelzefsave=0&R04=-50"},  // another member's balance
      {&boris->http, "nick=Anna&labelzefsave=0&R04=50"},   // not covered by Boris's own
      {&boris->http, "nick=Boris&labelzefsave=0&R04=50"},  // a credit to himself, no bonus
      {&boris->http, "nick=Boris&labelzefsave=0&R04=-5"},  // a debit with no transfer
      {&anna->http, "nick=Boris&labelzefsave=0&R04=0"},
      {&anna->http, "nick=Boris&labelzefsave=0&R04=-10"},
      {&anna->http, "nick=Boris&labelzefsave=0&R04=1x"},
      {&anna->http, "nick=Boris&labelzefsave=0&R04=50&pw=secret1"},
      // A game record or a profile of another member, or with a wrong password.
      {&nobody.http,
       "nick=Anna&pw=secret1&qvrx02kon=0&qvrx02best=0&qvrx02rating=0&qvrx02ses=0&"
       "qvrx02konl=0&qvrx02score=0&qvrx02R1=0&qvrx02R2=#"},
      {&boris->http,
       "nick=Anna&pw=secret1&qvrx02kon=0&qvrx02best=0&qvrx02rating=0&qvrx02ses=0&"
       "qvrx02konl=0&qvrx02score=0&qvrx02R1=0&qvrx02R2=#"},
      {&anna->http,
       "nick=Anna&pw=secret9&qvrx02kon=0&qvrx02best=0&qvrx02rating=0&qvrx02ses=0&"
       "qvrx02konl=0&qvrx02score=0&qvrx02R1=0&qvrx02R2=#"},
      {&nobody.http, ProfileBody("Anna", "forged")},
      {&boris->http, ProfileBody("Anna", "forged")},
  };
  for (const auto& f : forged) EXPECT_EQ(Body(*f.http, f.body), "no#") << f.body;
  EXPECT_EQ(Zefs("Anna"), 100);
  EXPECT_EQ(Zefs("Boris"), 5);
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"nick=Anna", "pw=secret1", "qvrx02best=0"}))[1],
            "4");
  EXPECT_EQ(ReadReplyFields(Fields(anna->http, {"nick=Anna", "labelinforead=0"}), '~')[3], "");
}

// A place among the first ten of the account list, written by the member's own session after a
// completed cycle, earns the bonus once; the client's own credit of it is then only answered.
TEST_F(AccountTest, TheScoreListBonusIsPaidOnce) {
  auto anna = Member("Anna");
  auto boris = Member("Boris");
  EXPECT_EQ(SaveRecord(*anna, "20", "50", "1"), "$ ok#");
  EXPECT_EQ(SaveRecord(*boris, "20", "40", "1"), "$ ok#");
  // Another session's write of Anna's nick pays nothing.
  EXPECT_EQ(ReadReplyNumber(WriteScore(boris->http, "Anna", 500)), 1);
  EXPECT_EQ(Zefs("Anna"), 0);
  EXPECT_EQ(ReadReplyNumber(WriteScore(anna->http, "Anna", 900)), 1);
  EXPECT_EQ(Zefs("Anna"), 25);
  EXPECT_EQ(Change(anna->http, "Anna", 25), "$ ok#");
  EXPECT_EQ(Change(anna->http, "Anna", 25), "no#");
  // The same cycle written again earns nothing more.
  EXPECT_EQ(ReadReplyNumber(WriteScore(anna->http, "Anna", 1000)), 1);
  EXPECT_EQ(Zefs("Anna"), 25);
  EXPECT_EQ(Change(anna->http, "Anna", 25), "no#");
  // Places 2..10 earn 10.
  EXPECT_EQ(ReadReplyNumber(WriteScore(boris->http, "Boris", 700)), 3);
  EXPECT_EQ(Zefs("Boris"), 10);
  EXPECT_EQ(Change(boris->http, "Boris", 10), "$ ok#");
  EXPECT_EQ(Zefs("Boris"), 10);
}

// The session cookie travels with every path of the server and is hidden from scripts.
TEST_F(AccountTest, LoginSetsAnHttpOnlySessionCookie) {
  Member("Anna");
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, server_->Port());
  ASSERT_TRUE(socket.waitForConnected(5000));
  const QByteArray body = "nick=Anna&&pw=secret1&&label0=0";
  socket.write("POST /account.php HTTP/1.1\r\nHost: x\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\n\r\n" + body);
  QByteArray reply;
  while (!reply.contains("$\r\n") && !reply.endsWith('$') && socket.waitForReadyRead(5000))
    reply += socket.readAll();
  const qsizetype at = reply.indexOf("Set-Cookie: qvsid=");
  ASSERT_GE(at, 0) << reply.toStdString();
  const QByteArray cookie = reply.mid(at, reply.indexOf("\r\n", at) - at);
  EXPECT_TRUE(cookie.contains("; Path=/")) << cookie.toStdString();
  EXPECT_TRUE(cookie.contains("; HttpOnly")) << cookie.toStdString();
}

// One address keeps a bounded number of sessions: the oldest gives way.
TEST_F(AccountTest, SessionsOfOneAddressAreBounded) {
  auto anna = Member("Anna");
  Player again{"Anna", "secret1", {}};
  for (int i = 0; i < 32; ++i) {
    Player login{"Anna", "secret1", {}};
    ASSERT_FALSE(IsRefusal(LogIn(login)));
  }
  EXPECT_EQ(server_->Query(QStringLiteral("SELECT COUNT(*) FROM sessions")).toInt(), 32);
  EXPECT_EQ(Body(anna->http, ProfileBody("Anna", "still here")), "no#");
  ASSERT_FALSE(IsRefusal(LogIn(again)));
  EXPECT_EQ(Body(again.http, ProfileBody("Anna", "back")), "$ ok#");
}

// Guessing is cut short: after ten wrong passwords from one address even the right one is
// refused for a while.
TEST_F(AccountTest, WrongPasswordsFromOneAddressAreCutShort) {
  server_.reset();
  if (OnPostgres()) EmptyPostgres();
  server_ = std::make_unique<Server>(QStringList{"--password-iterations", "10000"});
  ASSERT_TRUE(server_->Started());
  auto anna = Member("Anna");
  Player guess{"Anna", "guess1", {}};
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(IsRefusal(LogIn(guess)));
  EXPECT_TRUE(IsRefusal(LogIn(*anna)));
  EXPECT_TRUE(
      ReadReplyFields(Fields(anna->http, {"nick=Anna", "pw=secret1", "qvrx02best=0"})).empty());
}

// A data folder or database of a server from before the accounts gets their tables and keeps
// its lists.
TEST_F(AccountTest, AnOlderDatabaseGetsTheClubTables) {
  Player p;
  const std::string write =
      "gid=47&nick=Anna&city=Riga&country=1-003&score=10&R7=W&R8=5.7f&R9=#&R10=#*";
  EXPECT_EQ(ReadReplyNumber(PostBody(p.http, server_->Url("/records.php"), write).body), 1);
  server_->Process().terminate();
  ASSERT_TRUE(server_->Process().waitForFinished(5000));
  for (const char* table :
       {"tournament_standings", "sessions", "game_records", "profiles", "balances", "members"})
    server_->Query(QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)));
  server_->Query(QStringLiteral("UPDATE schema_version SET version = 1"));
  const quint16 port = FreePort();
  QStringList args{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port),
                   QStringLiteral("--data"), server_->DataDir()};
  if (OnPostgres()) args << QStringLiteral("--database") << PostgresUrl();
  QProcess again;
  again.start(kServer, args);
  ASSERT_TRUE(again.waitForReadyRead(10000));
  const std::string url = "http://127.0.0.1:" + std::to_string(port);
  EXPECT_EQ(PostBody(p.http, url + "/account.php", RegisterBody("Anna", "secret1")).body, "$ ok#");
  EXPECT_EQ(ReadReplyNumber(PostFields(p.http, url + "/records.php", {"rgid=47"}).body), 1);
  again.terminate();
  again.waitForFinished(5000);
}

// Servers sharing one PostgreSQL database share the sessions: the two halves of a transfer may
// reach different servers.
TEST_F(AccountTest, ServersSharingTheDatabaseShareSessions) {
  if (!OnPostgres()) GTEST_SKIP() << "one SQLite data folder serves one server";
  Server other;
  ASSERT_TRUE(other.Started());
  auto anna = Member("Anna");
  Member("Boris");
  SetZefs("Anna", 40);
  EXPECT_EQ(Change(anna->http, "Boris", 15), "$ ok#");
  // The client's cookie is the host's, whatever the port.
  EXPECT_EQ(
      PostBody(anna->http, other.Url("/account.php"), "nick=Anna&labelzefsave=0&R04=-15").body,
      "$ ok#");
  EXPECT_EQ(Zefs("Anna"), 25);
  EXPECT_EQ(Zefs("Boris"), 15);
}

}  // namespace
}  // namespace quorvex
