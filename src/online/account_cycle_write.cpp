#include "online/account_cycle_write.h"

#include <optional>

#include "locale/lang_text.h"
#include "online/record_entry_write.h"

namespace quorvex {

int CycleBonus(int64_t place) {
  if (place == 1) return 25;
  if (place >= 2 && place <= 10) return 10;
  return 0;
}

AccountCycleWrite WriteAccountCycle(HttpClient& client, const std::string& records_address,
                                    AccountService& account, AccountSession& session,
                                    AccountHooks& hooks, int64_t cycle_score) {
  RecordEntry entry;
  entry.list = kAccountScoreList;
  entry.nick = session.user.Nick;
  entry.city = session.user.City;
  entry.country = session.user.Country1;
  entry.score = cycle_score;
  entry.sex = session.user.Sex;

  AccountCycleWrite result;
  for (;;) {
    if (const std::optional<int64_t> place = WriteRecordEntry(client, records_address, entry)) {
      result.written = true;
      result.place = *place;
      result.score = cycle_score;
      break;
    }
    if (!hooks.AskYesNo(Text(Tx::UnableToWriteResult) + " " + Text(Tx::Repeat))) return result;
  }
  result.bonus = CycleBonus(result.place);
  if (result.bonus == 0) return result;
  if (!account.ChangeBalance(session.user.Nick, result.bonus)) {
    result.bonus = -1;
    return result;
  }
  if (const std::optional<int64_t> balance = account.ReadBalance(session.user.Nick))
    session.user.R04 = *balance;
  return result;
}

}  // namespace quorvex
