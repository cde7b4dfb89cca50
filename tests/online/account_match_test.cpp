// The rated match (its provisional and final updates of the game record, with their retries),
// the rated cycle's write to the account score list with its bonus, and the Zefs transfer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "account_fakes.h"
#include "online/account_cycle_write.h"
#include "online/account_rating_text.h"
#include "online/rated_match.h"
#include "online/zefs_transfer.h"

namespace quorvex {
namespace {

using testing::Answer;
using testing::NoAnswer;
using testing::NotedHooks;
using testing::QueuedClient;
using Notes = std::vector<std::string>;

constexpr const char* kAccount = "http://127.0.0.1:1/account.php";
constexpr const char* kRecords = "http://127.0.0.1:1/records.php";

std::string SaveBody(const std::string& rest) {
  return "nick=Bob&pw=secret&" + rest;
}

// Bob before a rated match: 16 rated deals at rating 100, 16 of them in the running cycle.
class RatedMatchTest : public ::testing::Test {
 protected:
  RatedMatchTest() {
    session.state = AccountState::LoggedIn;
    session.user.Nick = "Bob";
    session.user.Pw = "secret";
    session.user.City = "Москва";
    session.user.Country1 = "Russia";
    session.game.Kon = 16;
    session.game.Rating = 100;
    session.game.KonL = 16;
    session.game.Best = 500;
    session.game.Sessions = 3;
    session.game.Score = 800;
    hooks.window = [this] { session.state = AccountState::RatingGame; };
  }

  QueuedClient client;
  AccountService service{client, kAccount};
  AccountSession session;
  NotedHooks hooks;
  const std::string kRecordRead = "$16 500 100 3 16 800 0 #$";
  const std::string kProvisionalSave = SaveBody(
      "qvrx02kon=20&qvrx02best=500&qvrx02rating=-19.64&qvrx02ses=3&qvrx02konl=0&qvrx02score=0&"
      "qvrx02R1=0&qvrx02R2=#");
  const std::string kProvisionalRead = "$20 500 -19.64 3 0 0 0 #$";
  const std::string kFinalSave = SaveBody(
      "qvrx02kon=20&qvrx02best=900&qvrx02rating=95.36&qvrx02ses=4&qvrx02konl=0&qvrx02score=0&"
      "qvrx02R1=0&qvrx02R2=#");
  const std::string kRepeat = "ask Could not connect to server!\n\rRepeat?";
};

TEST_F(RatedMatchTest, TheWholeMatchCompletesTheCycle) {
  const TZefGame before = session.game;
  client.replies = {Answer(kRecordRead), Answer("$ok$")};
  ASSERT_TRUE(StartRatedMatch(service, session, hooks));
  EXPECT_EQ(client.Bodies(), (Notes{"nick=Bob&&pw=secret&&qvrx02best=0", kProvisionalSave}));
  EXPECT_EQ(hooks.notes, (Notes{"window", "redraw"}));
  // The provisional values went to the server only.
  EXPECT_EQ(session.game, before);
  EXPECT_TRUE(session.rated_match_running);

  client.requests.clear();
  client.replies = {Answer(kProvisionalRead), Answer("$ok$")};
  const RatedMatchEnd end = FinishRatedMatch(service, session, hooks, 300, 900);
  EXPECT_TRUE(end.saved);
  EXPECT_TRUE(end.cycle_completed);
  ASSERT_EQ(client.requests.size(), 2u);
  EXPECT_EQ(client.requests[1].body, kFinalSave);
  EXPECT_NEAR(session.game.Rating, 95.36, 1e-9);
  EXPECT_EQ(AccountRatingText(session.game.Rating), "95,360");
  EXPECT_EQ(session.game.Best, 900);
  EXPECT_EQ(session.game.Sessions, 4);
  EXPECT_EQ(session.game.KonL, 0);
  EXPECT_EQ(session.game.Score, 0);
  EXPECT_EQ(session.state, AccountState::LoggedIn);
  EXPECT_FALSE(session.rated_match_running);
  EXPECT_EQ(hooks.notes.size(), 2u);  // no question was asked
}

TEST_F(RatedMatchTest, TheFinalUpdateInsideAndAtTheEndOfACycle) {
  struct Case {
    int64_t konl_before, best_before;
    int64_t konl, score, best, sessions;
    bool completed;
  } const cases[] = {
      {0, 500, 4, 900, 500, 3, false}, {12, 500, 16, 900, 500, 3, false},
      {16, 500, 0, 0, 900, 4, true},   {16, 1200, 0, 0, 1200, 4, true},
      {19, 500, 0, 0, 900, 4, true},
  };
  for (const Case& c : cases) {
    session.state = AccountState::RatingGame;
    session.game.KonL = c.konl_before;
    client.replies = {Answer("$20 " + std::to_string(c.best_before) + " -19.64 3 0 0 0 #$"),
                      Answer("$ok$")};
    const RatedMatchEnd end = FinishRatedMatch(service, session, hooks, 300, 900);
    EXPECT_EQ(end.cycle_completed, c.completed) << c.konl_before;
    EXPECT_EQ(session.game.KonL, c.konl) << c.konl_before;
    EXPECT_EQ(session.game.Score, c.score) << c.konl_before;
    EXPECT_EQ(session.game.Best, c.best) << c.konl_before;
    EXPECT_EQ(session.game.Sessions, c.sessions) << c.konl_before;
  }
}

TEST_F(RatedMatchTest, NoRatedStartWithoutTheRatingStateAfterTheWindow) {
  hooks.window = nullptr;  // the box was left unticked
  EXPECT_FALSE(StartRatedMatch(service, session, hooks));
  hooks.window = [this] { session.state = AccountState::NotLoggedIn; };  // signed out
  EXPECT_FALSE(StartRatedMatch(service, session, hooks));
  EXPECT_TRUE(client.requests.empty());
  EXPECT_EQ(hooks.notes, (Notes{"window", "window", "redraw"}));
  EXPECT_FALSE(session.rated_match_running);
}

TEST_F(RatedMatchTest, TheProvisionalSaveIsTriedThreeTimes) {
  const TZefGame before = session.game;
  client.replies = {Answer(kRecordRead), Answer("$error$"), NoAnswer(), Answer("$error$")};
  EXPECT_FALSE(StartRatedMatch(service, session, hooks));
  EXPECT_EQ(client.Bodies(), (Notes{"nick=Bob&&pw=secret&&qvrx02best=0", kProvisionalSave,
                                    kProvisionalSave, kProvisionalSave}));
  EXPECT_EQ(hooks.notes, (Notes{"window", "redraw", "sound", "wait 2000", "sound", "wait 3000",
                                "sound", "message Could not connect to server!", "redraw"}));
  EXPECT_EQ(session.state, AccountState::NotLoggedIn);
  EXPECT_EQ(session.game, before);
  EXPECT_FALSE(session.rated_match_running);

  // The second try is enough.
  session.state = AccountState::LoggedIn;
  hooks.notes.clear();
  client.replies = {Answer(kRecordRead), NoAnswer(), Answer("$ok$")};
  EXPECT_TRUE(StartRatedMatch(service, session, hooks));
  EXPECT_EQ(hooks.notes, (Notes{"window", "redraw", "sound", "wait 2000"}));
}

TEST_F(RatedMatchTest, AFailedReadAtTheStartLogsOut) {
  client.replies = {NoAnswer()};
  EXPECT_FALSE(StartRatedMatch(service, session, hooks));
  EXPECT_EQ(client.requests.size(), 1u);
  EXPECT_EQ(hooks.notes,
            (Notes{"window", "redraw", "message Could not connect to server!", "redraw"}));
  EXPECT_EQ(session.state, AccountState::NotLoggedIn);
}

TEST_F(RatedMatchTest, AFailedFinalUpdateIsRepeatedWhileThePlayerAgrees) {
  session.state = AccountState::RatingGame;
  // A failed save, a failed read, a reply without a record (no deal to divide by), then both.
  client.replies = {Answer(kProvisionalRead), Answer("$error$"), NoAnswer(), Answer("no"),
                    Answer(kProvisionalRead), Answer("$ok$")};
  hooks.answers = {true, true, true};
  const RatedMatchEnd end = FinishRatedMatch(service, session, hooks, 300, 900);
  EXPECT_TRUE(end.saved);
  EXPECT_TRUE(end.cycle_completed);
  // The repeated save still counts the cycle's deals from before the match.
  EXPECT_EQ(client.requests[1].body, kFinalSave);
  EXPECT_EQ(client.requests[5].body, kFinalSave);
  EXPECT_EQ(hooks.notes, (Notes{kRepeat, kRepeat, kRepeat}));
  EXPECT_EQ(session.state, AccountState::LoggedIn);

  // Given up: the record read stays, with the cycle's deals from before the match.
  session.state = AccountState::RatingGame;
  session.game.KonL = 8;
  hooks.notes.clear();
  client.replies = {Answer(kProvisionalRead), Answer("$error$")};
  const RatedMatchEnd given_up = FinishRatedMatch(service, session, hooks, 300, 900);
  EXPECT_FALSE(given_up.saved);
  EXPECT_FALSE(given_up.cycle_completed);
  EXPECT_EQ(hooks.notes, (Notes{kRepeat}));
  EXPECT_EQ(session.game.Kon, 20);
  EXPECT_DOUBLE_EQ(session.game.Rating, -19.64);
  EXPECT_EQ(session.game.KonL, 8);
  EXPECT_EQ(session.state, AccountState::LoggedIn);
}

TEST_F(RatedMatchTest, TheRatedCycleGoesToTheAccountListWithItsBonus) {
  session.user.R04 = 100;
  const std::string entry =
      "gid=347&nick=Bob&city=\xCC\xEE\xF1\xEA\xE2\xE0&country=Russia&score=900&R7=M&R8=5.7f&"
      "R9=#&R10=#*";
  struct Case {
    const char* place;
    int bonus;
  } const cases[] = {{"$1$", 25}, {"$2$", 10}, {"$10$", 10}, {"$11$", 0}};
  for (const Case& c : cases) {
    client.requests.clear();
    client.replies = {Answer(c.place), Answer("$ok$"), Answer("$135$")};
    const AccountCycleWrite write =
        WriteAccountCycle(client, kRecords, service, session, hooks, 900);
    EXPECT_TRUE(write.written);
    EXPECT_EQ(write.score, 900);
    EXPECT_EQ(write.bonus, c.bonus) << c.place;
    EXPECT_EQ(client.requests[0].url, kRecords);
    EXPECT_EQ(client.requests[0].body, entry);
    if (c.bonus) {
      ASSERT_EQ(client.requests.size(), 3u) << c.place;
      EXPECT_EQ(client.requests[1].url, kAccount);
      EXPECT_EQ(client.requests[1].body, "nick=Bob&labelzefsave=0&R04=" + std::to_string(c.bonus));
      EXPECT_EQ(client.requests[2].body, "nick=Bob&&labelzefread=0");
      EXPECT_EQ(session.user.R04, 135);
    } else {
      EXPECT_EQ(client.requests.size(), 1u);
    }
  }

  // A failed credit is told as -1; a failed write is asked to be repeated.
  client.replies = {NoAnswer(), Answer("$3$"), Answer("$error$")};
  hooks.answers = {true};
  const AccountCycleWrite write = WriteAccountCycle(client, kRecords, service, session, hooks, 900);
  EXPECT_EQ(write.place, 3);
  EXPECT_EQ(write.bonus, -1);
  EXPECT_EQ(hooks.notes, (Notes{"ask Unable to write the result of the game! Repeat?"}));
  client.replies = {Answer("$$")};
  EXPECT_FALSE(WriteAccountCycle(client, kRecords, service, session, hooks, 900).written);
}

TEST_F(RatedMatchTest, ZefsTransfer) {
  session.user.R04 = 100;
  // Refused before any request or question.
  struct Refused {
    const char* recipient;
    int64_t amount;
    TransferOutcome outcome;
    const char* message;
  } const refused[] = {
      {"Ann", 101, TransferOutcome::NotEnough, "You do not have enough Zefs to transfer!"},
      {"Ann", 0, TransferOutcome::Empty, "I can not make an empty transfer!"},
      {"Ann", -20, TransferOutcome::Empty, "I can not make an empty transfer!"},
      {"Ann&R04=9", 20, TransferOutcome::NoSuchMember, "There is no club member with that nick!"},
  };
  for (const Refused& c : refused) {
    hooks.notes.clear();
    EXPECT_EQ(TransferZefs(service, session, hooks, c.recipient, c.amount), c.outcome);
    EXPECT_EQ(hooks.notes, Notes{std::string("message ") + c.message});
  }
  EXPECT_TRUE(client.requests.empty());

  hooks.notes.clear();
  EXPECT_EQ(TransferZefs(service, session, hooks, "Ann", 25), TransferOutcome::Declined);
  EXPECT_EQ(hooks.notes,
            Notes{"ask Do you really want to transfer to a club member \"Ann\" 25 Zefs?"});
  EXPECT_TRUE(client.requests.empty());

  const std::string read = "nick=Bob&&labelzefread=0";
  const std::string credit = "nick=Ann&labelzefsave=0&R04=25";
  const std::string debit = "nick=Bob&labelzefsave=0&R04=-25";
  struct Case {
    std::vector<HttpReply> replies;
    TransferOutcome outcome;
    const char* message;
    Notes bodies;
    int64_t balance;
  } const cases[] = {
      {{Answer("$100$"), Answer("$ok$"), Answer("$ok$"), Answer("$75$")},
       TransferOutcome::Successful,
       "Transfer is successful!",
       {read, credit, debit, read},
       75},
      {{Answer("$100$"), Answer("$ok$"), Answer("$ok$"), NoAnswer()},
       TransferOutcome::Successful,
       "Transfer is successful!",
       {read, credit, debit, read},
       75},
      {{Answer("$100$"), Answer("$no$")},
       TransferOutcome::NoSuchMember,
       "There is no club member with that nick!",
       {read, credit},
       100},
      {{Answer("$100$"), Answer("$ok$"), NoAnswer(), Answer("$100$")},
       TransferOutcome::NoConnect,
       "No Connect!",
       {read, credit, debit, read},
       100},
      {{NoAnswer()}, TransferOutcome::NoConnect, "No Connect!", {read}, 100},
      {{Answer("$20$")},
       TransferOutcome::NotEnough,
       "You do not have enough Zefs to transfer!",
       {read},
       20},
  };
  for (const Case& c : cases) {
    session.user.R04 = 100;
    client.requests.clear();
    client.replies.assign(c.replies.begin(), c.replies.end());
    hooks.notes.clear();
    hooks.answers = {true};
    EXPECT_EQ(TransferZefs(service, session, hooks, "Ann", 25), c.outcome) << c.message;
    EXPECT_EQ(hooks.notes.back(), std::string("message ") + c.message);
    EXPECT_EQ(client.Bodies(), c.bodies) << c.message;
    EXPECT_EQ(session.user.R04, c.balance) << c.message;
  }
}

}  // namespace
}  // namespace quorvex
