// The end of a session, after the table was hidden and before the menu comes back: the wait
// banner while the online steps run, the new rating, the history, the report, the result sound,
// the club file, closing the connection and the closing windows, always in this order. Each step
// belongs to a part of the program of its own; this file only decides which run and when.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/account_state.h"
#include "game/deal_state.h"

namespace quorvex {

struct SessionEndInput {
  TableRole role = TableRole::SinglePlayer;
  int32_t balance = 0;  // the session's points, seat 2's minus seat 1's
  int deals = 0;        // deals played in this session
  int32_t deal_no = 0;  // the player's running deal number
  AccountState account = AccountState::NotLoggedIn;
};

// What each step does; the window and the records implement them. Steps whose parts do not
// exist in a build keep the empty defaults.
class SessionEndSteps {
 public:
  virtual ~SessionEndSteps() = default;
  // The banner over the hidden table while the online steps run.
  virtual void ShowWaitBanner(bool shown) = 0;
  // The final update of a rated match played as the account; whether it completed the
  // account's rated cycle (which then goes to the account score list).
  virtual bool FinishRatedMatch(int32_t /*balance*/) { return false; }
  // The player's new rating: from the club's rule, or from the account's record.
  virtual double NewRating(int32_t balance, bool from_account) = 0;
  // A tournament game's result: the change of the player's tournament score, and the new
  // tournament rating.
  virtual void TournamentStanding(int32_t& result, double& rating) {
    (void)result;
    (void)rating;
  }
  virtual void WriteHistory(int32_t result, int deals, double rating) = 0;
  virtual void ReportSession(const SessionEndInput& /*input*/) {}
  virtual void PlayEffect(std::string_view name) = 0;
  virtual void UpdateClubFile(int32_t balance, double rating) = 0;
  virtual void CloseConnection() = 0;
  // The end-of-game window of a completed cycle, then the world top ten's offer (local games).
  virtual void ShowEndOfGame() = 0;
  virtual void OfferResultWrite() {}
  virtual void WriteAccountCycle() {}
};

// Runs the steps between hiding the table and showing the menu again.
void RunSessionEnd(SessionEndSteps& steps, const SessionEndInput& input);

}  // namespace quorvex
