// Rules of one trick, shared by the controller and the computer opponent.
#pragma once

#include "game/deal_state.h"

namespace quorvex {

// Trick position (1 the card led, 2 the reply) that wins a complete two-card trick: the highest
// trump, else the highest card of the led suit.
int TrickWinnerSlot(const TCard& led, uint8_t led_rank, const TCard& reply, uint8_t reply_rank,
                    char trump);

// True when card `index` of seat 2 may not be played on the current lead: it is of another suit
// while the hand still holds the led suit. Nothing obliges a player to trump or to beat the lead.
bool MustFollowSuit(const TDealState& state, int index);

// Whether a seat may play card `index` now (not empty, and following suit when it must).
bool IsLegalCard(const TDealState& state, int seat, int index);

}  // namespace quorvex
