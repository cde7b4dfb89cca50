// Whether a search position is one the play search can be asked about.
#pragma once

#include <string>

#include "opponent/play_search.h"

namespace quorvex {

// Empty when the position is searchable, else the reason in a few words. Searchable means: every
// slot is "##" with rank value 99 or a card with its own rank value, no card appears twice (hands
// and trick together), the trump is a suit byte or '#', role and position are 1 or 2, and the
// hands could meet at that point of a trick: when the mover leads both hold the same number of
// cards, at least one, and the trick is empty; when it follows, exactly the first trick card is
// filled and the mover holds one card more than the other hand.
std::string CheckSearchPosition(const SearchPosition& position);

}  // namespace quorvex
