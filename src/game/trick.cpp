#include "game/trick.h"

#include "game/deal.h"

namespace quorvex {

int TrickWinnerSlot(const TCard& led, uint8_t led_rank, const TCard& reply, uint8_t reply_rank,
                    char trump) {
  const bool led_trump = trump != kNoSuit && led.suit == trump;
  const bool reply_trump = trump != kNoSuit && reply.suit == trump;
  if (led_trump || reply_trump) {
    if (led_trump && reply_trump) return reply_rank > led_rank ? 2 : 1;
    return reply_trump ? 2 : 1;
  }
  // Only the led suit counts; a discard never wins.
  return reply.suit == led.suit && reply_rank > led_rank ? 2 : 1;
}

namespace {
bool BreaksSuit(const TDealState& state, int seat, int index) {
  const TCard& card = state.Hand[seat][index];
  if (card.suit == state.LedSuit) return false;
  return HoldsSuit(state, seat, state.LedSuit);
}
}  // namespace

bool MustFollowSuit(const TDealState& state, int index) {
  if (index < 1 || index > kHandSlots) return false;
  return BreaksSuit(state, 2, index);
}

bool IsLegalCard(const TDealState& state, int seat, int index) {
  if (index < 1 || index > kHandSlots || state.Hand[seat][index].Empty()) return false;
  return state.TrickSlot != 2 || !BreaksSuit(state, seat, index);
}

}  // namespace quorvex
