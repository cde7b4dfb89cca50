// A transfer of Zefs to another club member, as the "Zefs" tab of the account window makes it:
// the window only gives the recipient and the amount, and shows what this asks.
#pragma once

#include <cstdint>
#include <string>

#include "online/account_hooks.h"
#include "online/account_records.h"
#include "online/account_service.h"

namespace quorvex {

enum class TransferOutcome {
  NotEnough,     // more than the balance: nothing sent
  Empty,         // nothing (or less) to transfer: nothing sent
  NoSuchMember,  // the recipient's credit failed, or the nick cannot be a member's
  Declined,      // the player answered no
  NoConnect,     // the balance could not be read, or the own debit failed after the credit
  Successful,
};

// "Do you really want to transfer to a club member "Nick" 25 Zefs?"
std::string TransferQuestion(const std::string& recipient, int64_t amount);

// Asks, then reads the own balance again, credits the recipient and only after that debits the
// sender, and reads the balance once more into R04. Every outcome but Declined shows its
// message.
TransferOutcome TransferZefs(AccountService& service, AccountSession& session, AccountHooks& hooks,
                             const std::string& recipient, int64_t amount);

}  // namespace quorvex
