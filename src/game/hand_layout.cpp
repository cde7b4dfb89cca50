#include "game/hand_layout.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {
// Halves go to the even neighbour, as the layout has always rounded; it matters only when an
// odd card width meets an odd number of cards.
int RoundHalfEven(double v) {
  const double lower = std::floor(v);
  const double diff = v - lower;
  if (diff > 0.5) return static_cast<int>(lower) + 1;
  if (diff < 0.5) return static_cast<int>(lower);
  const int even = static_cast<int>(lower);
  return even % 2 == 0 ? even : even + 1;
}
}  // namespace

std::vector<int> HandCardLefts(int n, int a, int b, int w) {
  std::vector<int> lefts;
  if (n <= 0) return lefts;
  lefts.reserve(static_cast<size_t>(n));
  const int s0 = w + kHandCardGap;
  const double width = b - a;
  const double per_card = width / n;
  if (per_card >= s0) {
    const int c = a + RoundHalfEven(width / 2);
    for (int i = 1; i <= n; ++i) lefts.push_back(RoundHalfEven(c - n * s0 / 2.0 + (i - 1) * s0));
    return lefts;
  }
  // The step is worked out in this floating form on purpose: where the exact quotient is a whole
  // number the sum can land a hair below it, and the truncation then gives one pixel less, as
  // the game always has.
  const int step = n > 1 ? static_cast<int>(per_card - (s0 - per_card) / (n - 1)) : 0;
  for (int i = 1; i <= n; ++i) lefts.push_back(a + (i - 1) * step);
  return lefts;
}

int CardUnderPointer(std::span<const int> lefts, std::span<const TCard> cards, int w, int x) {
  const size_t n = std::min(lefts.size(), cards.size());
  for (size_t i = 0; i < n; ++i) {
    const int from = lefts[i];
    const int to = i + 1 < n ? lefts[i + 1] : from + w;  // exclusive
    if (x >= from && x < to) return cards[i].Empty() ? 0 : static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace quorvex
