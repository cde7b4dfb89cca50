#include "opponent/auction_engine.h"

#include "game/deal.h"

namespace quorvex {

namespace {
int LanRoleDigit(TableRole role) {
  return role == TableRole::LanClient ? 2 : 1;
}
bool ClosesLocally(TableRole role) {
  return role == TableRole::SinglePlayer || role == TableRole::LanServer ||
         role == TableRole::TourSeat1;
}
}  // namespace

void AuctionEngine::Reset() {
  table_.Clear();
  closed_ = false;
  may_close_ = false;
  double_offer_ = 0;
}

AuctionOutcome AuctionEngine::RecordLocalCall(int code) {
  if (closed_ || state_.Phase != PhaseBidSeat2) return AuctionOutcome::Open;
  if (!table_.Place(SharedSeat(role_, 2), code)) return AuctionOutcome::Open;
  state_.Phase = PhaseBidSeat1;
  return RefreshAuction(true);
}

void AuctionEngine::PlaceUpperCall(int code) {
  table_.Place(SharedSeat(role_, 1), code);
}

const char* AuctionEngine::CallSound(int code) {
  if (code == kCallPass) return "WDiPass";
  if (code == kCallDouble || code == kCallRedouble) return "WPlMore";
  if (code == 15 || code >= 18) return "WPlMore";
  return "WDiPlay";
}

std::string AuctionEngine::CallMessage(int code, TableRole role) {
  std::string message = "htrg";
  message += static_cast<char>('0' + code / 10 % 10);
  message += static_cast<char>('0' + code % 10);
  if (!IsTournamentRole(role)) message += static_cast<char>('0' + LanRoleDigit(role));
  return message;
}

std::string AuctionEngine::CloseMessage(TableRole role) {
  std::string message = "hclose";
  if (!IsTournamentRole(role)) message += static_cast<char>('0' + LanRoleDigit(role));
  return message;
}

BiddingButtons AuctionEngine::Buttons() const {
  BiddingButtons buttons;
  buttons.redouble_caption = double_offer_ == 2;
  if (closed_) {
    buttons.ok = ClosesLocally(role_);
    return buttons;
  }
  if (state_.Phase != PhaseBidSeat2) return buttons;
  const int highest = table_.HighestBid();
  for (int k = 1; k <= 35; ++k) buttons.bid[k] = k > highest;
  buttons.pass = true;
  buttons.dbl = double_offer_ != 0;
  return buttons;
}

void AuctionEngine::DeriveContract() {
  int seat = 0;
  const int highest = table_.HighestBid(&seat);
  state_.ContractCode = static_cast<uint8_t>(highest);
  if (highest == 0) return;
  state_.TricksNeeded = static_cast<uint8_t>(BidTricks(highest));
  state_.Trump = DenominationTrump(BidDenomination(highest));
  const int previous = table_.PreviousCall();
  state_.Doubling = previous == kCallRedouble ? 2 : previous == kCallDouble ? 1 : 0;
  // The table keeps shared seats; the deal record keeps local ones.
  state_.Declarer = static_cast<uint8_t>(SharedSeat(role_, seat));
}

AuctionOutcome AuctionEngine::RefreshAuction(bool send) {
  const int last = table_.LastCall();
  if (IsBid(last)) double_offer_ = 1;
  if (last == kCallDouble) double_offer_ = 2;
  if (last == kCallRedouble) double_offer_ = 0;

  AuctionOutcome outcome = AuctionOutcome::Open;
  if (!closed_ && table_.Ended()) {
    closed_ = true;
    DeriveContract();
    outcome = state_.ContractCode == 0 ? AuctionOutcome::PassedOut : AuctionOutcome::Contract;
    if (outcome == AuctionOutcome::Contract && IsNetworkRole(role_)) {
      // The bidding dialog does not hold the table: the opening leader may play at once, so
      // the leader of the first trick is known from here on.
      state_.Phase = state_.Leader = state_.DrawFirst =
          static_cast<uint8_t>(OtherSeat(state_.FirstSeat));
    }
  }
  view_.UpdateBidding(table_, Buttons());
  if (last != 0) view_.PlayEffect(CallSound(last));
  if (send && last != 0 && link_ && IsNetworkRole(role_))
    link_->SendMessage(CallMessage(last, role_));
  return outcome;
}

AuctionOutcome AuctionEngine::CloseAuction() {
  if (!closed_) return AuctionOutcome::Open;
  const uint8_t leader = static_cast<uint8_t>(OtherSeat(state_.FirstSeat));
  const bool passed_out = state_.ContractCode == 0;
  // A deal whose play has already begun (the other machine led before this Ok) is left as it is.
  if (!state_.ContractPlayBegun()) {
    state_.Phase = passed_out ? PhaseDealOver : leader;
    state_.Leader = state_.DrawFirst = leader;
  }
  if (link_ && IsNetworkRole(role_)) link_->SendMessage(CloseMessage(role_));
  may_close_ = true;
  view_.CloseBidding();
  return passed_out ? AuctionOutcome::PassedOut : AuctionOutcome::Contract;
}

}  // namespace quorvex
