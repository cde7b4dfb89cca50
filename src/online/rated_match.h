// The rated match of the account: 4 deals recorded in advance as lost by 2000 points, so that a
// match abandoned by closing the program still counts, and put right when the match ends.
//
// The rating is the average score per rated deal plus the rated deals divided by 20:
// Rating = S / Kon + Kon / 20, with S the total score of all rated deals.
#pragma once

#include <cstdint>

#include "online/account_hooks.h"
#include "online/account_records.h"
#include "online/account_service.h"

namespace quorvex {

// The rating after `kon` deals at `rating` and one more match lost by the provisional deduction.
double ProvisionalRating(int64_t kon, double rating);
// The rating of a record whose `kon` and `rating` include the provisional entry, once the match
// is known to have scored `match_score` instead.
double FinalRating(int64_t kon, double rating, int64_t match_score);

// Before the first deal of a game played as the account player (state above 1, no network
// game). Shows the account window for a rated start first; whether the match starts, rated.
// A failed read of the game record, or a provisional save that fails three times (with the
// error sound and pauses of 2 and 3 seconds), tells "Could not connect to server!" and logs
// the account out. The game record in memory keeps the values read.
bool StartRatedMatch(AccountService& service, AccountSession& session, AccountHooks& hooks);

struct RatedMatchEnd {
  bool saved = false;            // the final update reached the server
  bool cycle_completed = false;  // and it completed a rated cycle (write it to the score list)
};

// After the last deal of a rated match (state 3): the final update of the game record with the
// match score and the score of the running cycle, asked to be repeated while it fails and the
// player agrees. A failed save leaves the record read, with the cycle's deals as before the
// match. The state then falls back to 2: every rated match is chosen anew.
RatedMatchEnd FinishRatedMatch(AccountService& service, AccountSession& session,
                               AccountHooks& hooks, int64_t match_score, int64_t cycle_score);

}  // namespace quorvex
