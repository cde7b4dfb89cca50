// What each card of a contract position is worth: the tricks its side takes from there with best
// play by both hands, every card known. Each legal card is put on the table and the play search
// is asked about the position it leaves.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "opponent/search_cache.h"

namespace quorvex::solve {

// A position of the contract play between two hands; cards are deck numbers 1..52.
struct CardTricksPosition {
  std::vector<uint8_t> mover;
  std::vector<uint8_t> other;
  uint8_t led = 0;   // the card the other hand led to this trick; 0 when the mover leads
  char trump = '#';  // suit byte, or '#' for no trump
  bool mover_declares = true;
};

class CardTricks {
 public:
  // Each legal card of the mover with the tricks the mover's side takes from this position to the
  // end of the deal (the trick in progress included) after playing it, both playing best after
  // it. Empty when the position is not one of a two-handed play (hands of the wrong sizes, a card
  // twice).
  std::vector<std::pair<uint8_t, int>> LegalCardTricks(const CardTricksPosition& position);

 private:
  // -1 when the position after the card cannot be searched.
  int TricksAfter(const CardTricksPosition& position, uint8_t card);

  SearchCache cache_;
};

}  // namespace quorvex::solve
