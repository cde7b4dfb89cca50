#include "game/opponent.h"

#include "game/deal.h"

namespace quorvex {

int PlainOpponent::ChooseComputerCard(const TDealState& state) {
  const bool following = state.TrickSlot == 2 && HoldsSuit(state, 1, state.LedSuit);
  for (int i = 1; i <= kHandSlots; ++i) {
    const TCard& card = state.Hand[1][i];
    if (card.Empty()) continue;
    if (!following || card.suit == state.LedSuit) return i;
  }
  return 1;
}

int PlainOpponent::ChooseComputerCall(const TDealState&, const AuctionTable&) {
  return 38;
}

}  // namespace quorvex
