// The game's own account client against the real server: a member registers and logs in, plays
// a rated match from the provisional update to the final one, writes the completed cycle to the
// account list with its bonus, and transfers Zefs, with the balances checked in the database.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "online/account_cycle_write.h"
#include "online/account_fakes.h"
#include "online/account_service.h"
#include "online/rated_match.h"
#include "online/zefs_transfer.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

// One machine of the game: its HTTP handle keeps the login session's cookie.
struct Machine {
  explicit Machine(const Server& server) : service(http, server.Url("/account.php")) {}
  CurlHttpClient http;
  AccountService service;
  AccountSession session;
  testing::NotedHooks hooks;
};

class AccountClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPostgres()) EmptyPostgres();
    server_ = std::make_unique<Server>();
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
  }
  // A member registered and logged in through the game's requests.
  std::unique_ptr<Machine> Member(const std::string& nick) {
    auto machine = std::make_unique<Machine>(*server_);
    EXPECT_EQ(machine->service.Register(RigaMember(nick, "secret1")), RegisterResult::Created)
        << nick;
    const LoginReply login = machine->service.LogIn(nick, "secret1");
    EXPECT_TRUE(login.ok) << nick;
    machine->session.user = login.user;
    machine->session.state = AccountState::LoggedIn;
    return machine;
  }
  long long Zefs(const std::string& nick) {
    return server_
        ->Query(QStringLiteral("SELECT b.zefs FROM balances b JOIN members m ON m.id = "
                               "b.member_id WHERE m.nick = ?"),
                {QByteArray::fromStdString(nick)})
        .toLongLong();
  }
  std::unique_ptr<Server> server_;
};

TEST_F(AccountClientTest, ARatedMatchFromItsProvisionalToItsFinalUpdateAndTheCycleBonus) {
  auto anna = Member("Anna");
  EXPECT_EQ(anna->service.Register(RigaMember("Anna", "secret1")), RegisterResult::NickTaken);
  EXPECT_FALSE(anna->service.LogIn("Anna", "wrong12").ok);
  // 16 rated deals at rating 100, four into the running cycle.
  TZefGame before;
  before.Kon = 16;
  before.Rating = 100;
  before.KonL = 16;
  before.Best = 500;
  ASSERT_TRUE(anna->service.SaveGameRecord(anna->session.user, before));

  // The account window was opened for a rated start and the player ticked the box.
  anna->hooks.window = [&] { anna->session.state = AccountState::RatingGame; };
  ASSERT_TRUE(StartRatedMatch(anna->service, anna->session, anna->hooks));
  TZefGame provisional;
  ASSERT_TRUE(anna->service.ReadGameRecord(anna->session.user, provisional));
  EXPECT_EQ(provisional.Kon, 20);
  EXPECT_NEAR(provisional.Rating, -19.64, 1e-9);

  const RatedMatchEnd end = FinishRatedMatch(anna->service, anna->session, anna->hooks, 300, 900);
  EXPECT_TRUE(end.saved);
  EXPECT_TRUE(end.cycle_completed);
  EXPECT_EQ(anna->session.state, AccountState::LoggedIn);
  TZefGame after;
  ASSERT_TRUE(anna->service.ReadGameRecord(anna->session.user, after));
  EXPECT_EQ(after.Kon, 20);
  EXPECT_NEAR(after.Rating, 95.36, 1e-9);
  EXPECT_EQ(after.KonL, 0);
  EXPECT_EQ(after.Score, 0);
  EXPECT_EQ(after.Sessions, 1);
  EXPECT_GE(after.Best, 900);
  EXPECT_EQ(anna->service.ReadRatingPlace(after.Rating), 1);

  // The cycle goes to the account list: the first place earns 25 Zefs, paid once.
  const AccountCycleWrite write = WriteAccountCycle(anna->http, server_->Url("/records.php"),
                                                    anna->service, anna->session, anna->hooks, 900);
  EXPECT_TRUE(write.written);
  EXPECT_EQ(write.place, 1);
  EXPECT_EQ(write.bonus, 25);
  EXPECT_EQ(anna->session.user.R04, 25);
  EXPECT_EQ(Zefs("Anna"), 25);
}

TEST_F(AccountClientTest, ZefsTransfersMoveOnceAndOnlyWhatTheSenderHas) {
  auto anna = Member("Anna");
  auto boris = Member("Boris");
  server_->Query(QStringLiteral("UPDATE balances SET zefs = 40 WHERE member_id = (SELECT id FROM "
                                "members WHERE nick = ?)"),
                 {QByteArrayLiteral("Anna")});
  ASSERT_EQ(Zefs("Anna"), 40);
  anna->session.user.R04 = 40;
  struct Case {
    const char* recipient;
    int64_t amount;
    TransferOutcome outcome;
    long long anna, boris;  // the balances after it
  } const cases[] = {{"Boris", 50, TransferOutcome::NotEnough, 40, 0},
                     {"Boris", 0, TransferOutcome::Empty, 40, 0},
                     {"Nobody", 10, TransferOutcome::NoSuchMember, 40, 0},
                     {"Boris", 15, TransferOutcome::Successful, 25, 15}};
  for (const Case& c : cases) {
    anna->hooks.answers = {true};
    EXPECT_EQ(TransferZefs(anna->service, anna->session, anna->hooks, c.recipient, c.amount),
              c.outcome)
        << c.recipient << ' ' << c.amount;
    EXPECT_EQ(Zefs("Anna"), c.anna) << c.recipient << ' ' << c.amount;
    EXPECT_EQ(Zefs("Boris"), c.boris) << c.recipient << ' ' << c.amount;
  }
  EXPECT_EQ(anna->session.user.R04, 25);
  // Boris cannot take the Zefs back from Anna's balance with his own session.
  EXPECT_FALSE(boris->service.ChangeBalance("Anna", -25));
  EXPECT_EQ(Zefs("Anna"), 25);
}

}  // namespace
}  // namespace quorvex
