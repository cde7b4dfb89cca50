// The automatic write of a rated cycle to the account score list, with its Zefs bonus.
#pragma once

#include <cstdint>
#include <string>

#include "online/account_hooks.h"
#include "online/account_records.h"
#include "online/account_service.h"
#include "online/http_client.h"

namespace quorvex {

// Zefs for a place on the account score list: 25 for the first, 10 for the rest of the ten.
int CycleBonus(int64_t place);

// What the end-of-game dialog reports.
struct AccountCycleWrite {
  bool written = false;
  int64_t place = -1;
  int64_t score = 0;
  int bonus = 0;  // the Zefs credited; -1 when the credit failed
};

// After a rated match whose final update completed a cycle (FinishRatedMatch said so), neither
// a network nor a tournament game: writes the cycle score under the account's nick, city,
// country name and sex to the records service at `records_address`, asking to repeat while
// the write fails and the player agrees. A place among the ten credits the bonus to the
// account, after which the balance is read again.
AccountCycleWrite WriteAccountCycle(HttpClient& client, const std::string& records_address,
                                    AccountService& account, AccountSession& session,
                                    AccountHooks& hooks, int64_t cycle_score);

}  // namespace quorvex
