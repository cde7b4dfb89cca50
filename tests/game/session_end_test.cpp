#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/session_end.h"

namespace quorvex {
namespace {

// Writes down each step as it runs.
class StepLog : public SessionEndSteps {
 public:
  void ShowWaitBanner(bool shown) override { log.push_back(shown ? "banner" : "no banner"); }
  bool FinishRatedMatch(int32_t) override {
    log.push_back("rated match");
    return completes_cycle;
  }
  double NewRating(int32_t, bool from_account) override {
    log.push_back(from_account ? "account rating" : "club rating");
    return 2.5;
  }
  void TournamentStanding(int32_t& result, double& rating) override {
    log.push_back("tournament");
    result = 35;
    rating = 7.0;
  }
  void WriteHistory(int32_t result, int deals, double rating) override {
    log.push_back("history " + std::to_string(result) + " " + std::to_string(deals) + " " +
                  std::to_string(static_cast<int>(rating * 10)));
  }
  void ReportSession(const SessionEndInput&) override { log.push_back("report"); }
  void PlayEffect(std::string_view name) override { log.push_back(std::string(name)); }
  void UpdateClubFile(int32_t, double) override { log.push_back("club"); }
  void CloseConnection() override { log.push_back("close"); }
  void ShowEndOfGame() override { log.push_back("end of game"); }
  void OfferResultWrite() override { log.push_back("world offer"); }
  void WriteAccountCycle() override { log.push_back("account cycle"); }
  std::vector<std::string> log;
  bool completes_cycle = false;
};

using Log = std::vector<std::string>;

TEST(SessionEnd, StepsRunInOrderAndOnlyWhereTheyBelong) {
  const Log head = {"banner", "rated match", "club rating", "no banner"};
  auto with_head = [&head](Log tail) {
    Log all = head;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  struct Case {
    const char* what;
    SessionEndInput input;
    bool completes_cycle;  // the account's final update closed its cycle
    Log expected;
  } const cases[] = {
      {"a local cycle closed at 40: no result sound, the end-of-game window, then the world offer",
       {TableRole::SinglePlayer, 120, 20, 40, AccountState::NotLoggedIn},
       false,
       with_head({"history 120 20 25", "report", "club", "end of game", "world offer"})},
      {"a local session ended at 37 with nothing won: no sound, no window",
       {TableRole::SinglePlayer, 0, 3, 37, AccountState::LoggedIn},
       false,
       with_head({"history 0 3 25", "report", "club"})},
      {"a local session ended mid-cycle with a loss",
       {TableRole::SinglePlayer, -90, 2, 13, AccountState::NotLoggedIn},
       false,
       with_head({"history -90 2 25", "report", "WKoBads", "club"})},
      {"a LAN session closes the connection after the club file and offers no world list",
       {TableRole::LanServer, 300, 4, 20, AccountState::NotLoggedIn},
       false,
       with_head({"history 300 4 25", "report", "club", "close", "end of game"})},
      {"the LAN client mid-cycle",
       {TableRole::LanClient, 50, 2, 6, AccountState::NotLoggedIn},
       false,
       with_head({"history 50 2 25", "report", "WKoGood", "club", "close"})},
      {"a rated match as the account: no club file, the account's cycle",
       {TableRole::SinglePlayer, 200, 4, 20, AccountState::RatingGame},
       true,
       {"banner", "rated match", "account rating", "no banner", "history 200 4 25", "report",
        "account cycle"}},
      {"a tournament game: its result is the change of the tournament score, read under the banner",
       {TableRole::TourSeat1, -500, 1, 9, AccountState::LoggedIn},
       false,
       {"banner", "rated match", "tournament", "no banner", "history 35 1 70", "report", "WKoBads",
        "close"}},
  };
  for (const Case& c : cases) {
    StepLog steps;
    steps.completes_cycle = c.completes_cycle;
    RunSessionEnd(steps, c.input);
    EXPECT_EQ(steps.log, c.expected) << c.what;
  }
}

}  // namespace
}  // namespace quorvex
