// The general score: the player's counters as the "General score" window shows them.
#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// Every field is the text shown beside its label.
struct TCount {
  std::string Count_KonAll;  // running deal number
  std::string Count_KonCur;  // number of the deal in the current cycle of 20
  std::string Count_ScoBeg;  // initial score of the session
  std::string Count_ScoCur;  // current score: the session balance
  std::string Count_ScoAll;  // initial + current
  std::string Count_ReiBeg;  // initial rating
  std::string Count_ReiCur;  // current rating
};

// Width of the rating texts of the window.
inline constexpr int kCountRatingWidth = 6;

// A game against the computer or a LAN game, counted on the local profile.
struct LocalCountInput {
  int32_t deal_no = 0;
  int32_t balance = 0;
  int32_t initial_score = 0;
  int32_t previous_deals = 0;  // deals played before the session
  double initial_rating = 0;
};
TCount LocalCount(const LocalCountInput& in);

// Playing as the online account: the cycle and the rating are the account's; the rating after
// the session is known only to the server.
struct AccountCountInput {
  int32_t deal_no = 0;
  int32_t balance = 0;
  int32_t initial_score = 0;
  int32_t account_cycle_deals = 0;  // the account's deals in its current cycle
  int32_t session_deals = 0;
  double account_rating = 0;
};
TCount AccountCount(const AccountCountInput& in);

// A tournament game: no cycle, the tournament's score and rating.
struct TournamentCountInput {
  int32_t deal_no = 0;
  int32_t balance = 0;
  int32_t tournament_score = 0;
  double tournament_rating = 0;
};
TCount TournamentCount(const TournamentCountInput& in);

}  // namespace quorvex
