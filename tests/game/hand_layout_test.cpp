#include "game/hand_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvex {
namespace {

constexpr int kW = 69;
// The two hand zones of the table: the lower hand is 560 wide, the upper 360.
constexpr int kLowerA = 100, kLowerB = 660;
constexpr int kUpperA = 200, kUpperB = 560;

struct LayoutCase {
  int n, a, b;
  int first;  // left edge of card 1
  int step;   // distance between neighbours
};

class HandLayoutCases : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(HandLayoutCases, LeftEdgesFollowFirstAndStep) {
  const LayoutCase c = GetParam();
  const std::vector<int> lefts = HandCardLefts(c.n, c.a, c.b, kW);
  ASSERT_EQ(lefts.size(), static_cast<size_t>(c.n));
  for (int i = 0; i < c.n; ++i) EXPECT_EQ(lefts[i], c.first + i * c.step) << "card " << i + 1;
  // Nothing ever starts left of the zone, and overlapping rows end inside it.
  EXPECT_GE(lefts.front(), c.a);
  EXPECT_LE(lefts.back() + kW, c.b);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, HandLayoutCases,
    ::testing::Values(
        // One card is centred: c = a + 280, minus half of a card with its gap.
        LayoutCase{1, kLowerA, kLowerB, 344, 0}, LayoutCase{1, kUpperA, kUpperB, 344, 0},
        // Seven fit the lower zone side by side, centred, 72 apart.
        LayoutCase{7, kLowerA, kLowerB, 128, 72},
        // Five fill the upper zone exactly and still count as fitting.
        LayoutCase{5, kUpperA, kUpperB, 200, 72},
        // Overlapping rows start at a with step trunc((b - a - 72) / (n - 1)).
        LayoutCase{9, kLowerA, kLowerB, 100, 61}, LayoutCase{13, kLowerA, kLowerB, 100, 40},
        LayoutCase{9, kUpperA, kUpperB, 200, 36}, LayoutCase{13, kUpperA, kUpperB, 200, 24},
        // 288 / 18 is 16, but the step's floating form lands just below and truncates to 15.
        LayoutCase{19, kUpperA, kUpperB, 200, 15}));

TEST(HandLayout, NoCardsNoEdges) {
  EXPECT_TRUE(HandCardLefts(0, kLowerA, kLowerB, kW).empty());
}

// Halves round to even: 3 cards of width 70 (step 73) start at 270.5, 343.5 and 416.5.
TEST(HandLayout, HalfPixelRoundsToEven) {
  EXPECT_EQ(HandCardLefts(3, kLowerA, kLowerB, 70), (std::vector<int>{270, 344, 416}));
  EXPECT_EQ(HandCardLefts(1, kLowerA, kLowerB, 70), (std::vector<int>{344}));  // 380 - 36.5
}

std::vector<TCard> FullHand(int n) {
  std::vector<TCard> cards;
  for (int i = 1; i <= n; ++i) cards.push_back(DeckCard(i));
  return cards;
}

struct HitCase {
  int n, a, b;
  int x;
  int expected;
};

class CardUnderPointerCases : public ::testing::TestWithParam<HitCase> {};

TEST_P(CardUnderPointerCases, FindsTheOwningCard) {
  const HitCase c = GetParam();
  const std::vector<int> lefts = HandCardLefts(c.n, c.a, c.b, kW);
  const std::vector<TCard> cards = FullHand(c.n);
  EXPECT_EQ(CardUnderPointer(lefts, cards, kW, c.x), c.expected) << "x = " << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Strips, CardUnderPointerCases,
    ::testing::Values(
        // 13 overlapping cards, 40 apart: each visible strip is the card's hit area.
        HitCase{13, kLowerA, kLowerB, 99, 0}, HitCase{13, kLowerA, kLowerB, 100, 1},
        HitCase{13, kLowerA, kLowerB, 139, 1}, HitCase{13, kLowerA, kLowerB, 140, 2},
        HitCase{13, kLowerA, kLowerB, 579, 12},
        // The last card answers over its whole width, 580 .. 648.
        HitCase{13, kLowerA, kLowerB, 580, 13}, HitCase{13, kLowerA, kLowerB, 648, 13},
        HitCase{13, kLowerA, kLowerB, 649, 0},
        // Nine in the upper zone, 36 apart.
        HitCase{9, kUpperA, kUpperB, 235, 1}, HitCase{9, kUpperA, kUpperB, 236, 2},
        HitCase{9, kUpperA, kUpperB, 556, 9}, HitCase{9, kUpperA, kUpperB, 557, 0},
        // A single centred card, with empty table on both sides.
        HitCase{1, kLowerA, kLowerB, 343, 0}, HitCase{1, kLowerA, kLowerB, 344, 1},
        HitCase{1, kLowerA, kLowerB, 412, 1}, HitCase{1, kLowerA, kLowerB, 413, 0},
        // Cards side by side: the strip runs up to the next card, gap included.
        HitCase{7, kLowerA, kLowerB, 127, 0}, HitCase{7, kLowerA, kLowerB, 199, 1},
        HitCase{7, kLowerA, kLowerB, 200, 2}, HitCase{7, kLowerA, kLowerB, 629, 0}));

TEST(CardUnderPointer, EmptySlotOwnsNothing) {
  const std::vector<int> lefts = HandCardLefts(13, kLowerA, kLowerB, kW);
  std::vector<TCard> cards = FullHand(13);
  cards[4] = kEmptyCard;   // card 5: 260 .. 299
  cards[12] = kEmptyCard;  // the last card: 580 .. 648
  EXPECT_EQ(CardUnderPointer(lefts, cards, kW, 259), 4);
  EXPECT_EQ(CardUnderPointer(lefts, cards, kW, 260), 0);
  EXPECT_EQ(CardUnderPointer(lefts, cards, kW, 299), 0);
  EXPECT_EQ(CardUnderPointer(lefts, cards, kW, 300), 6);
  EXPECT_EQ(CardUnderPointer(lefts, cards, kW, 600), 0);
}

}  // namespace
}  // namespace quorvex
