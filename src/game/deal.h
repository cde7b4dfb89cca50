// Shuffle, deal, hand sort and the per-deal numbers (vulnerability, first seat).
#pragma once

#include "game/deal_state.h"
#include "game/platform.h"

namespace quorvex {

// Fills Deck and DeckRank with a new uniform random order.
void ShuffleDeck(TDealState& state, Random& random);

// Gives deck cards 1..13 and 14..26 to the seats as the role of this instance sees them; the rest
// stays in the stock.
void DealCards(TDealState& state, TableRole role);

// Sorts and compacts one hand row: suit groups in the order the trump gives (trump rightmost),
// rank values ascending; empty slots go to the right and the row's count is set.
void SortHand(TDealState& state, int row);

// Vulnerability and FirstSeat of the deal numbered DealNo, for this instance's role.
void SetVulnerabilityAndFirstSeat(TDealState& state, TableRole role);

// Whether seat's hand holds a card of the suit.
bool HoldsSuit(const TDealState& state, int seat, char suit);

}  // namespace quorvex
