// Deal records made as the game would make them: a shuffled deck, an auction, and a contract
// played to the end by both seats choosing legal cards at random, with the tricks and the score
// the rules give.
#pragma once

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "game/card.h"
#include "game/deal_state.h"
#include "game/trick.h"
#include "opponent/auction_table.h"
#include "opponent/contract_score.h"
#include "records/deal_record.h"

namespace quorvex::test {

struct DealPlan {
  unsigned seed = 1;
  uint8_t first_seat = 1;
  uint8_t vulnerability = 0;
  // Call codes in time order, the first seat's first.
  std::vector<uint8_t> calls;
  // How many cards of the contract play are kept (26: all of them).
  size_t cards_played = 26;
};

inline bool CardOfSuit(uint8_t card, int suit) {
  return (card - 1) % 4 == suit;
}

inline DealRecord PlayedDeal(const DealPlan& plan) {
  std::mt19937 random(plan.seed);
  DealRecord r;
  r.time = 1700000000 + static_cast<int64_t>(plan.seed) * 86400;
  r.deal_no = static_cast<int32_t>(plan.seed % 20 + 1);
  r.names = {"", "Anna", "Bob"};
  r.first_seat = plan.first_seat;
  r.first_leader = plan.first_seat;
  r.vulnerability = plan.vulnerability;
  std::iota(r.deck.begin(), r.deck.end(), uint8_t{1});
  std::shuffle(r.deck.begin(), r.deck.end(), random);
  for (int i = 0; i < 13; ++i) {
    r.hands[1][static_cast<size_t>(i)] = r.deck[static_cast<size_t>(2 * i)];
    r.hands[2][static_cast<size_t>(i)] = r.deck[static_cast<size_t>(2 * i + 1)];
  }
  int highest = 0;
  for (size_t i = 0; i < plan.calls.size(); ++i) {
    const uint8_t seat =
        i % 2 == 0 ? plan.first_seat : static_cast<uint8_t>(OtherSeat(plan.first_seat));
    r.calls.push_back({seat, plan.calls[i]});
    if (IsBid(plan.calls[i])) {
      highest = plan.calls[i];
      r.declarer = seat;
    }
  }
  r.contract = static_cast<uint8_t>(highest);
  if (plan.calls.size() >= 2) {
    const uint8_t before_last = plan.calls[plan.calls.size() - 2];
    r.doubling = before_last == kCallRedouble ? 2 : before_last == kCallDouble ? 1 : 0;
  }
  if (highest == 0) {
    r.declarer = 0;
    r.doubling = 0;
    return r;
  }

  const char trump = DenominationTrump(BidDenomination(highest));
  std::vector<uint8_t> held[3];
  for (int seat = 1; seat <= 2; ++seat)
    held[seat].assign(r.hands[seat].begin(), r.hands[seat].end());
  const auto take = [&](int seat, int led_suit) {
    std::vector<uint8_t> legal;
    for (uint8_t c : held[seat])
      if (led_suit < 0 || CardOfSuit(c, led_suit)) legal.push_back(c);
    if (legal.empty()) legal = held[seat];
    const uint8_t card = legal[random() % legal.size()];
    held[seat].erase(std::find(held[seat].begin(), held[seat].end(), card));
    return card;
  };
  int leader = OtherSeat(plan.first_seat);
  int declarer_tricks = 0;
  for (int trick = 0; trick < 13; ++trick) {
    const uint8_t led = take(leader, -1);
    const uint8_t reply = take(OtherSeat(leader), (led - 1) % 4);
    r.contract_play.push_back(led);
    r.contract_play.push_back(reply);
    const TCard a = DealRecordCard(led);
    const TCard b = DealRecordCard(reply);
    if (TrickWinnerSlot(a, RankValue(a), b, RankValue(b), trump) == 2) leader = OtherSeat(leader);
    if (leader == r.declarer) ++declarer_tricks;
  }
  r.declarer_tricks = static_cast<uint8_t>(declarer_tricks);
  r.declarer_score = ContractScore(BidTricks(highest), declarer_tricks, r.doubling, trump,
                                   r.declarer, r.vulnerability);
  r.contract_play.resize(std::min(plan.cards_played, r.contract_play.size()));
  return r;
}

}  // namespace quorvex::test
