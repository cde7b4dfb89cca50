#include "online/zefs_transfer.h"

#include <optional>

#include "locale/lang_text.h"
#include "online/account_field_check.h"

namespace quorvex {

namespace {

TransferOutcome Tell(AccountHooks& hooks, TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::NotEnough:
      hooks.ShowMessage(Text(Tx::NotEnoughZefs));
      break;
    case TransferOutcome::Empty:
      hooks.ShowMessage(Text(Tx::EmptyTransfer));
      break;
    case TransferOutcome::NoSuchMember:
      hooks.ShowMessage(Text(Tx::NoSuchMember));
      break;
    case TransferOutcome::NoConnect:
      hooks.ShowMessage(Text(Tx::NoConnectExclaim));
      break;
    case TransferOutcome::Successful:
      hooks.ShowMessage(Text(Tx::TransferSuccessful));
      break;
    case TransferOutcome::Declined:
      break;
  }
  return outcome;
}

}  // namespace

std::string TransferQuestion(const std::string& recipient, int64_t amount) {
  return Text(Tx::TransferQuestion) + " \"" + recipient + "\" " + std::to_string(amount) + " " +
         Text(Tx::Zefs) + "?";
}

TransferOutcome TransferZefs(AccountService& service, AccountSession& session, AccountHooks& hooks,
                             const std::string& recipient, int64_t amount) {
  if (amount > session.user.R04) return Tell(hooks, TransferOutcome::NotEnough);
  // A negative amount would take Zefs from the recipient.
  if (amount <= 0) return Tell(hooks, TransferOutcome::Empty);
  // No member has a nick the account rules refuse; such a text is not sent.
  if (AccountFieldCheck(recipient, AccountField::Nick) != kAccountLatin)
    return Tell(hooks, TransferOutcome::NoSuchMember);
  if (!hooks.AskYesNo(TransferQuestion(recipient, amount))) return TransferOutcome::Declined;

  const std::string& own = session.user.Nick;
  const std::optional<int64_t> balance = service.ReadBalance(own);
  if (!balance) return Tell(hooks, TransferOutcome::NoConnect);
  session.user.R04 = *balance;
  if (amount > session.user.R04) return Tell(hooks, TransferOutcome::NotEnough);

  if (!service.ChangeBalance(recipient, amount)) return Tell(hooks, TransferOutcome::NoSuchMember);
  // The recipient keeps the credit even when the debit fails.
  const bool debited = service.ChangeBalance(own, -amount);
  if (debited) session.user.R04 -= amount;
  if (const std::optional<int64_t> after = service.ReadBalance(own)) session.user.R04 = *after;
  return Tell(hooks, debited ? TransferOutcome::Successful : TransferOutcome::NoConnect);
}

}  // namespace quorvex
