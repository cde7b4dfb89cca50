// Recorded deals for the tests: a shuffled deck, the contract hands, a short auction and a
// contract played out by simple legal cards (follow suit with the first card that does, else
// the hand's first card).
#pragma once

#include <algorithm>
#include <numeric>
#include <random>

#include "game/deal_replay.h"
#include "opponent/auction_table.h"
#include "records/deal_record.h"

namespace quorvex::testing {

inline DealRecord PlayedDealRecord(int seed, int contract = 19, int declarer = 2) {
  DealRecord r;
  std::iota(r.deck.begin(), r.deck.end(), uint8_t{1});
  std::shuffle(r.deck.begin(), r.deck.end(), std::mt19937(seed));
  r.time = 1'797'000'000 + seed;
  r.deal_no = seed;
  r.names = {"", "PC", "Ada"};
  r.first_seat = r.first_leader = 1;
  r.draw_play.assign(r.deck.begin(), r.deck.begin() + 26);
  std::copy(r.deck.begin() + 26, r.deck.begin() + 39, r.hands[1].begin());
  std::copy(r.deck.begin() + 39, r.deck.end(), r.hands[2].begin());
  r.calls = {{1, kCallPass}, {2, static_cast<uint8_t>(contract)}, {1, kCallPass}};
  r.contract = static_cast<uint8_t>(contract);
  r.declarer = static_cast<uint8_t>(declarer);
  // The seat that did not call first leads; each plays its first legal card.
  std::array<std::vector<uint8_t>, 3> hands;
  for (int seat = 1; seat <= 2; ++seat)
    hands[seat].assign(r.hands[seat].begin(), r.hands[seat].end());
  int mover = 2;
  for (int trick = 0; trick < 13; ++trick) {
    const uint8_t led = hands[mover].front();
    hands[mover].erase(hands[mover].begin());
    const int other = 3 - mover;
    auto follow = std::find_if(hands[other].begin(), hands[other].end(), [&](uint8_t n) {
      return DealRecordCard(n).suit == DealRecordCard(led).suit;
    });
    if (follow == hands[other].end()) follow = hands[other].begin();
    const uint8_t reply = *follow;
    hands[other].erase(follow);
    r.contract_play.push_back(led);
    r.contract_play.push_back(reply);
    mover = DealReplay(r).After(static_cast<int>(r.contract_play.size())).to_move;
    if (mover == 0) break;
  }
  r.declarer_tricks = static_cast<uint8_t>(DealReplay(r).After(26).tricks[declarer]);
  r.declarer_score = r.declarer_tricks >= BidTricks(contract) ? 420 : -50;
  return r;
}

}  // namespace quorvex::testing
