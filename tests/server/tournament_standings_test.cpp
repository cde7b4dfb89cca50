// The tournament's rules and standings, and the seats as the relay sees them, in this process:
// the service over a database of its own (SQLite in a temporary folder, or the test PostgreSQL),
// with a clock the test moves.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "account_fields.h"
#include "account_store.h"
#include "online/reply_readers.h"
#include "server/test_server.h"
#include "storage.h"
#include "tournament_rules.h"
#include "tournament_service.h"

namespace quorvex::server {
namespace {

TEST(TournamentRules, ScoreGamesAndRatingOfOneMatch) {
  struct Case {
    const char* what;
    qint64 rating1, rating2;
    int32_t balance1;
    int forfeit_by;
    qint64 score1, score2, new_rating1, new_rating2;
  };
  const Case cases[] = {
      {"seat 1 wins, equal ratings", 1500, 1500, 120, 0, 120, -120, 1516, 1484},
      {"seat 2 wins", 1500, 1500, -350, 0, -350, 350, 1484, 1516},
      {"passed out: a draw at 0", 1500, 1500, 0, 0, 0, 0, 1500, 1500},
      {"the stronger player wins little", 1600, 1400, 50, 0, 50, -50, 1608, 1392},
      {"a draw moves the ratings together", 1600, 1400, 0, 0, 0, 0, 1592, 1408},
      {"the weaker player wins much", 1400, 1600, 10, 0, 10, -10, 1424, 1576},
      {"seat 1 forfeits a won deal", 1500, 1500, 300, 1, -200, 200, 1484, 1516},
      {"seat 2 forfeits", 1500, 1500, -40, 2, 200, -200, 1516, 1484},
  };
  for (const Case& c : cases) {
    const Standing one{1000, 7, c.rating1}, two{-5, 0, c.rating2};
    const MatchResult r = ApplyMatch(one, two, c.balance1, c.forfeit_by);
    EXPECT_EQ(r.seat[0].score, 1000 + c.score1) << c.what;
    EXPECT_EQ(r.seat[1].score, -5 + c.score2) << c.what;
    EXPECT_EQ(r.seat[0].games, 8) << c.what;
    EXPECT_EQ(r.seat[1].games, 1) << c.what;
    EXPECT_EQ(r.seat[0].rating, c.new_rating1) << c.what;
    EXPECT_EQ(r.seat[1].rating, c.new_rating2) << c.what;
  }
}

class TournamentInProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPostgres()) EmptyPostgres();
    QString error;
    ASSERT_TRUE(storage_.Open(dir_.path(), OnPostgres() ? PostgresUrl() : QString(), &error))
        << error.toStdString();
    accounts_ = std::make_unique<AccountStore>(storage_);
    service_ = std::make_unique<TournamentService>(
        storage_, *accounts_, QStringLiteral("127.0.0.1"), 9000, [this] { return now_ms_; });
  }

  // A member logged in from the address.
  Caller Signed(const char* nick, const char* sex, const QString& address) {
    Member m;
    m.nick = nick;
    m.password = "hash";
    m.city = "Riga";
    m.country1 = "Latvia";
    m.country2 = "1-026";
    m.sex = sex;
    m.email = m.dater = m.r01 = m.r02 = m.r03 = "x";
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    EXPECT_EQ(accounts_->Register(m, address, now), Registration::Done) << nick;
    const auto member = accounts_->FindMember(NickKey(nick));
    return {address, member ? accounts_->OpenSession(member->id, address, now) : QByteArray()};
  }
  std::string Ask(const QByteArray& body, const Caller& caller = {}) {
    const auto form = ParseForm(body);
    EXPECT_TRUE(form) << body.toStdString();
    return form ? service_->Handle(*form, caller).toStdString() : std::string();
  }
  std::string Take(const Caller& caller, const char* nick, int table, int seat, int can = 1) {
    const QByteArray s = QByteArray::number(seat);
    return Ask("clienton" + s + "=0&gid=47&num=" + QByteArray::number(table) +
                   "&can=" + QByteArray::number(can) + "&nick" + s + "=" + nick + "&score" + s +
                   "=0&kon" + s + "=0&rating" + s + "=0&country" + s + "=X&city" + s + "=X&sex" +
                   s + "=M&ip" + s + "=X",
               caller);
  }
  std::string SeatNick(int table, int seat) {
    return ReadReplyFields(Ask("readclient" + QByteArray::number(seat) +
                               "=0&&gid=47&&num=" + QByteArray::number(table)))
        .at(1);
  }
  void Record(const char* nick1, const char* nick2, int32_t balance1, int forfeit_by) {
    MatchRecord m;
    m.table = 1;
    m.nick[0] = QString::fromLatin1(nick1);
    m.nick[1] = QString::fromLatin1(nick2);
    m.balance1 = balance1;
    m.forfeit_by = forfeit_by;
    static_cast<RelayHost&>(*service_).RecordMatch(m);
  }

  QTemporaryDir dir_;
  Storage storage_;
  std::unique_ptr<AccountStore> accounts_;
  std::unique_ptr<TournamentService> service_;
  qint64 now_ms_ = 1'000'000;
};

TEST_F(TournamentInProcess, RatingPlacesAndTopTenAfterRecordedMatches) {
  Signed("Anna", "W", QStringLiteral("10.0.0.1"));
  Signed("Boris", "M", QStringLiteral("10.0.0.2"));
  Signed("Cora", "W", QStringLiteral("10.0.0.3"));
  Signed("Dan", "M", QStringLiteral("10.0.0.4"));
  EXPECT_EQ(ReadReplyFields(Ask("readrating47=0&nick=Dan")), (ReplyFields{"", "0", "0", "1500"}));
  EXPECT_EQ(Ask("readrating47=0&nick=Nobody"), "no#");
  EXPECT_TRUE(ReadReplyEntries(Ask("top10s47=0&&nick=z")).empty());
  EXPECT_EQ(ReadReplyNumber(Ask("places47=0&score1=0")), 1);

  Record("Anna", "Boris", 120, 0);
  Record("Cora", "Boris", 500, 1);
  // A match with a player who is no member changes nobody's standing.
  Record("Anna", "Ghost", 999, 0);

  EXPECT_EQ(ReadReplyFields(Ask("readrating47=0&nick=anna")),
            (ReplyFields{"", "120", "1", "1516"}));
  EXPECT_EQ(ReadReplyFields(Ask("readrating47=0&nick=Boris")),
            (ReplyFields{"", "80", "2", "1501"}));
  EXPECT_EQ(ReadReplyFields(Ask("readrating47=0&nick=Cora")),
            (ReplyFields{"", "-200", "1", "1483"}));

  const auto by_score = ReadReplyEntries(Ask("top10s47=0&&nick=z"));
  ASSERT_EQ(by_score.size(), 3u);
  EXPECT_EQ(by_score[0], (ReplyFields{"", "1", "Anna", "Riga", "1-026", "W", "120"}));
  EXPECT_EQ(by_score[1], (ReplyFields{"", "2", "Boris", "Riga", "1-026", "M", "80"}));
  EXPECT_EQ(by_score[2], (ReplyFields{"", "3", "Cora", "Riga", "1-026", "W", "-200"}));
  // Equal games: Anna's last change came first; both have the place of the value.
  const auto by_games = ReadReplyEntries(Ask("top10k47=0&&nick=z"));
  ASSERT_EQ(by_games.size(), 3u);
  EXPECT_EQ(by_games[0][2], "Boris");
  EXPECT_EQ(by_games[1][1] + by_games[1][2], "2Anna");
  EXPECT_EQ(by_games[2][1] + by_games[2][2], "2Cora");
  EXPECT_EQ(ReadReplyEntries(Ask("top10r47=0&&nick=z")).at(1).at(2), "Boris");

  struct PlaceCase {
    const char* body;
    long long place;
  };
  for (const PlaceCase& c :
       {PlaceCase{"places47=0&score1=100", 2}, PlaceCase{"places47=0&score1=120", 1},
        PlaceCase{"places47=0&score1=-1000", 4}, PlaceCase{"placer47=0&rating1=1500", 3},
        PlaceCase{"placek47=0&kon1=1", 2}})
    EXPECT_EQ(ReadReplyNumber(Ask(c.body)), c.place) << c.body;
  for (const char* refused : {"places47=0&score1=abc", "places48=0&score1=1", "placer47=0&score1=1",
                              "top10s48=0&&nick=z"})
    EXPECT_EQ(Ask(refused), "no#") << refused;
}

TEST_F(TournamentInProcess, SeatsNotJoinedInTimeAreFreedJoinedOnesByTheRelayOnly) {
  RelayHost& relay = *service_;
  const Caller anna = Signed("Anna", "W", QStringLiteral("10.0.0.1"));
  const Caller boris = Signed("Boris", "M", QStringLiteral("10.0.0.2"));
  ASSERT_EQ(Take(anna, "Anna", 3, 1), "$ ok#");
  const auto holder = relay.Holder(3, 1);
  ASSERT_TRUE(holder);
  EXPECT_EQ(holder->nick, QStringLiteral("Anna"));
  EXPECT_EQ(holder->address, QStringLiteral("10.0.0.1"));
  // The relay frees no seat whose holder never joined it (a stranger's refused connection).
  relay.FreeSeat(3, 1);
  now_ms_ += 59'999;
  EXPECT_EQ(SeatNick(3, 1), "Anna");
  now_ms_ += 1;
  EXPECT_FALSE(relay.Holder(3, 1));
  EXPECT_EQ(SeatNick(3, 1), "X");

  // Joined seats wait for their match as long as it takes.
  ASSERT_EQ(Take(anna, "Anna", 3, 1), "$ ok#");
  ASSERT_EQ(Take(boris, "Boris", 3, 2), "$ ok#");
  relay.SeatConnected(3, 1);
  relay.SeatConnected(3, 2);
  now_ms_ += 600'000;
  relay.MatchStarted(3);
  // Nobody leaves or frees a seat of a running match but the relay.
  EXPECT_EQ(Take(anna, "X", 3, 1, 2), "no#");
  EXPECT_EQ(Take(boris, "X", 3, 2, 0), "no#");
  const auto tables = ReadReplyEntries(Ask("readtable10=47&&gid=47"));
  EXPECT_EQ(tables.at(7).at(4), "N");
  relay.FreeSeat(3, 1);
  EXPECT_EQ(Take(anna, "Anna", 3, 1), "no#");
  relay.FreeSeat(3, 2);
  EXPECT_FALSE(relay.Holder(3, 2));
  EXPECT_EQ(Take(boris, "Boris", 3, 1), "$ ok#");
}

}  // namespace
}  // namespace quorvex::server
