// A recorded deal replayed card by card: where the cards are after any number of the contract's
// cards, for the review window's table.
#pragma once

#include <vector>

#include "game/card.h"
#include "records/deal_record.h"

namespace quorvex {

struct ReplayStep {
  // The cards still in each seat's hand (row 0 unused), in the order the record gives them.
  std::array<std::vector<TCard>, 3> hands;
  // The trick on the table: the leader's card, then the reply; empty when a trick begins.
  std::vector<TCard> trick;
  int trick_leader = 0;         // the seat that led the trick on the table (or leads next)
  int to_move = 0;              // the seat that plays next; 0 when the play is over
  int trick_no = 1;             // 1..13, the trick on the table or the next one
  std::array<int, 3> tricks{};  // tricks won so far by each seat
};

class DealReplay {
 public:
  explicit DealReplay(const DealRecord& record);

  // Cards of the contract play that the record holds (and that keep to the rules).
  int Cards() const { return static_cast<int>(cards_.size()); }
  // The table after the first `played` cards of the contract (0: as the auction left it).
  ReplayStep After(int played) const;
  // The seat that played card `index` (0-based) of the contract.
  int PlayerOf(int index) const { return players_[index]; }
  TCard CardAt(int index) const { return cards_[index]; }
  char Trump() const { return trump_; }

 private:
  ReplayStep start_;
  char trump_ = kNoSuit;
  std::vector<TCard> cards_;
  std::vector<int> players_;
};

}  // namespace quorvex
