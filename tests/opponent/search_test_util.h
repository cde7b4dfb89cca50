// Positions for the play search tests: random deals as the game sorts them, and the analyser's
// text form for readable cases and failure messages.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "opponent/play_search.h"

namespace quorvex::testing {

// Cards sorted as the game shows them for a trump (suit groups by the trump, ranks ascending).
std::vector<TCard> SortedForTrump(std::vector<TCard> cards, char trump);

// Thirteen cards each for two hands from a shuffled deck, in deck order (unsorted).
void DealTwoHands(uint64_t seed, std::vector<TCard>& first, std::vector<TCard>& second);

// Puts cards into the given slots (1..13, ascending), the rest empty.
SearchHand HandInSlots(const std::vector<TCard>& cards, const std::vector<int>& slots);
SearchHand CompactHand(const std::vector<TCard>& cards);

// A position from the analyser's seven words; fails the test when the text is not searchable.
SearchPosition PositionFromText(const std::string& line);
// The analyser's text of a position.
std::string PositionText(const SearchPosition& position);

}  // namespace quorvex::testing
