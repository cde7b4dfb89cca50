// The rules behind the computer's card: fixed rules while the stock lasts, and the search set-up
// for the play of the contract.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/deal_state.h"
#include "opponent/play_search.h"

namespace quorvex {

using HandSlots = std::array<TCard, kHandSlots + 1>;
using HandRanks = std::array<uint8_t, kHandSlots + 1>;

// Draw-phase card (slot 1..13): the lowest card of the led suit when holding it; otherwise
// (leading, or void) the lowest card up to the queen of the shortest suit, lower slot first.
// Draw-phase tricks are worth nothing, so the computer keeps its kings and aces for the contract.
// led_suit is '#' when leading. A hand of kings and aces only gives up the lowest of its shortest
// suit.
int DrawPhaseCard(const HandSlots& hand, const HandRanks& ranks, char led_suit);

// Which search shortcuts the play of contract trick 1..13 uses: early tricks need pruning and the
// cache to stay quick; from the tenth trick on (following) the exact search is cheap.
struct PlaySearchFlags {
  bool pruning = false;
  bool cache = false;
};
PlaySearchFlags FlagsForPlayTrick(int play_trick, bool leading);

// The root position of seat 1's play-phase search, with the flags of the current trick.
SearchPosition PlayPosition(const TDealState& state);

// The slot of seat 1's last card when it holds one card or none (slot 1 then), 0 when it holds
// more: the last card needs no search.
int LoneCardSlot(const TDealState& state);

// The computer's expected trick total from a search's declarer count and the tricks taken so far.
int ComputerExpectedTricks(const TDealState& state, int declarer_count);

// The forecast line of a played card (it follows the window title in the forecast mode): the
// initial forecast from the auction, then the current one. Russian in every language.
std::string CardForecastLine(int initial_tricks, int32_t initial_result, int expected_tricks);

}  // namespace quorvex
