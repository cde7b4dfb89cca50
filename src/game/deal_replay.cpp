#include "game/deal_replay.h"

#include <algorithm>

#include "game/trick.h"
#include "opponent/auction_table.h"

namespace quorvex {
namespace {

bool Holds(const std::vector<TCard>& hand, char suit) {
  return std::any_of(hand.begin(), hand.end(), [suit](const TCard& c) { return c.suit == suit; });
}

// Plays `card` for the seat to move; false when the hand does not hold it or it revokes.
bool Play(ReplayStep& step, const TCard& card, char trump) {
  std::vector<TCard>& hand = step.hands[step.to_move];
  const auto held = std::find(hand.begin(), hand.end(), card);
  if (held == hand.end()) return false;
  if (!step.trick.empty() && card.suit != step.trick[0].suit && Holds(hand, step.trick[0].suit))
    return false;
  hand.erase(held);
  step.trick.push_back(card);
  if (step.trick.size() == 1) {
    step.to_move = 3 - step.to_move;
    return true;
  }
  const int won = TrickWinnerSlot(step.trick[0], RankValue(step.trick[0]), step.trick[1],
                                  RankValue(step.trick[1]), trump);
  const int winner = won == 1 ? step.trick_leader : 3 - step.trick_leader;
  ++step.tricks[winner];
  step.trick.clear();
  step.trick_leader = step.to_move = winner;
  if (++step.trick_no > 13) {
    step.trick_no = 13;
    step.to_move = 0;
  }
  return true;
}

ReplayStep Start(const DealRecord& record) {
  ReplayStep step;
  for (int seat = 1; seat <= 2; ++seat)
    for (uint8_t n : record.hands[seat]) step.hands[seat].push_back(DealRecordCard(n));
  if (record.contract != 0 && (record.first_seat == 1 || record.first_seat == 2)) {
    // The seat that did not call first leads the contract.
    step.trick_leader = step.to_move = 3 - record.first_seat;
  }
  return step;
}

}  // namespace

DealReplay::DealReplay(const DealRecord& record) : start_(Start(record)) {
  if (record.contract != 0) trump_ = DenominationTrump(BidDenomination(record.contract));
  ReplayStep step = start_;
  for (uint8_t n : record.contract_play) {
    const TCard card = DealRecordCard(n);
    const int player = step.to_move;
    if (player == 0 || !Play(step, card, trump_)) break;
    cards_.push_back(card);
    players_.push_back(player);
  }
}

ReplayStep DealReplay::After(int played) const {
  ReplayStep step = start_;
  const int n = std::clamp(played, 0, Cards());
  for (int i = 0; i < n; ++i) Play(step, cards_[i], trump_);
  return step;
}

}  // namespace quorvex
