// Where the cards of a hand lie in its zone, and which card the pointer is over. The flights of
// cards start from the same left edges, so this stays free of any drawing.
#pragma once

#include <span>
#include <vector>

#include "game/card.h"

namespace quorvex {

// Cards that fit side by side keep this many pixels between them.
inline constexpr int kHandCardGap = 3;

// Left edges of n cards (element 0 is card 1) laid out in the zone from x = a to x = b with
// card width w: centred with a gap when they fit, otherwise overlapping from a.
std::vector<int> HandCardLefts(int n, int a, int b, int w);

// Hand index 1..n of the card under x, 0 when there is none. lefts come from HandCardLefts and
// cards[i] is the card whose left edge is lefts[i]. Each card owns the strip from its left edge
// to just before the next card's; the last one owns its full width; an empty slot owns nothing.
int CardUnderPointer(std::span<const int> lefts, std::span<const TCard> cards, int w, int x);

}  // namespace quorvex
