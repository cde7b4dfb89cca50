// Full-information trick search over the rest of a deal, both hands known.
#pragma once

#include <array>
#include <cstdint>

#include "game/card.h"

namespace quorvex {

class SearchCache;

// Thirteen slots, 1-based (element 0 unused); "##" with rank value 99 is an empty slot. The
// slots never move during a search: an empty slot stays where the card was.
struct SearchHand {
  std::array<TCard, 14> card{};
  std::array<uint8_t, 14> rank{};

  SearchHand();
  int CardsLeft() const;
};

struct SearchPosition {
  SearchHand mover;
  SearchHand other;
  // The trick so far (slots 1..2 of four, 1-based); empty when the mover leads.
  std::array<TCard, 5> trick{};
  std::array<uint8_t, 5> trick_rank{};
  char trump = kNoSuit;    // suit byte, or '#' for no trump
  int role = 1;            // 1: the mover is the declarer's side; 2: the defender's
  int trick_position = 1;  // 1: the mover leads; 2: the mover plays second
  bool use_cache = false;
  bool use_pruning = false;

  SearchPosition();
};

struct SearchResult {
  int slot = 0;          // chosen slot of the mover's hand, 1..13
  uint8_t declarer = 0;  // tricks of the declarer's side from here, the trick in progress included
  uint8_t defender = 0;
};

// Root search. The caller empties the cache before every root search.
SearchResult PlaySearch(const SearchPosition& position, SearchCache& cache);

}  // namespace quorvex
