#include <gtest/gtest.h>

#include "support/cards.h"

#include <cmath>

#include "game/deal.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

using testing::Card;

TEST(CardCode, DeckNumbersMapToRankAndSuit) {
  EXPECT_EQ(DeckCard(1), Card("2h"));
  EXPECT_EQ(DeckCard(4), Card("2s"));
  EXPECT_EQ(DeckCard(33).Code(), std::string("1\xF7"));  // ten of hearts: "1" and the hearts byte
  EXPECT_EQ(DeckCard(49), Card("Ah"));
  EXPECT_EQ(DeckCard(52), Card("As"));
  EXPECT_EQ(RankValue(DeckCard(33)), 9);
  EXPECT_EQ(RankValue(kEmptyCard), kEmptyRank);
  EXPECT_TRUE(DeckCard(0).Empty());
  EXPECT_TRUE(DeckCard(53).Empty());
}

TEST(CardCode, ReadableFormRoundTripsAndRejectsJunk) {
  for (int n = 1; n <= 52; ++n) EXPECT_EQ(Card(CardText(DeckCard(n)).c_str()), DeckCard(n));
  TCard card;
  for (const char* bad : {"", "1h", "Tx", "Thh", "th", "#"})
    EXPECT_FALSE(ParseCardText(bad, card)) << bad;
  EXPECT_TRUE(ParseCardText("--", card));
  EXPECT_TRUE(card.Empty());
}

// Fills a hand row from readable cards in the order given.
void SetHand(TDealState& state, int row, std::initializer_list<const char*> cards) {
  state.Hand[row].fill(kEmptyCard);
  state.HandRank[row].fill(kEmptyRank);
  int i = 0;
  for (const char* c : cards) {
    ++i;
    state.Hand[row][i] = Card(c);
    state.HandRank[row][i] = RankValue(state.Hand[row][i]);
  }
}

std::string HandText(const TDealState& state, int row) {
  std::string text;
  for (int i = 1; i <= kHandSlots; ++i) text += CardText(state.Hand[row][i]) + " ";
  return text;
}

TEST(SortHand, SuitGroupsFollowTheTrump) {
  struct Case {
    char trump;
    const char* expected;
  };
  // One card of each suit plus a second heart, dealt out of order with a gap.
  const Case cases[] = {
      {kNoSuit, "3h Kh 5c 2d As -- -- -- -- -- -- -- -- "},
      {kSpades, "3h Kh 5c 2d As -- -- -- -- -- -- -- -- "},
      {kClubs, "3h Kh As 2d 5c -- -- -- -- -- -- -- -- "},
      {kDiamonds, "5c 3h Kh As 2d -- -- -- -- -- -- -- -- "},
      {kHearts, "5c 2d As 3h Kh -- -- -- -- -- -- -- -- "},
  };
  for (const Case& c : cases) {
    TDealState state;
    SetHand(state, 1, {"As", "--", "Kh", "5c", "2d", "3h"});
    state.Trump = c.trump;
    SortHand(state, 1);
    EXPECT_EQ(HandText(state, 1), c.expected) << "trump " << c.trump;
    EXPECT_EQ(state.HandCount[1], 5);
  }
}

TEST(SortHand, EmptyHandAndHeartsTrump) {
  TDealState state;
  SortHand(state, 2);
  EXPECT_EQ(state.HandCount[2], 0);
  for (int i = 1; i <= kHandSlots; ++i) EXPECT_EQ(state.HandRank[2][i], kEmptyRank);

  SetHand(state, 2, {"2h", "Ac"});
  state.Trump = kHearts;
  SortHand(state, 2);
  EXPECT_EQ(state.Hand[2][1], Card("Ac"));
  EXPECT_EQ(state.Hand[2][2], Card("2h"));
}

TEST(Shuffle, EveryCardOnceAndPositionsUniform) {
  // Counts how often each card lands in each position over many shuffles; a chi-square over the
  // 52 x 52 table with a loose bound catches a biased or repeating shuffle, not a fixed order.
  testing::SeededRandom random(12345);
  TDealState state;
  constexpr int kShuffles = 5200;
  std::vector<std::vector<int>> counts(53, std::vector<int>(53, 0));
  for (int s = 0; s < kShuffles; ++s) {
    ShuffleDeck(state, random);
    std::vector<bool> seen(53, false);
    for (int i = 1; i <= 52; ++i) {
      const TCard& card = state.Deck[i];
      ASSERT_EQ(state.DeckRank[i], RankValue(card));
      const int n = (RankValue(card) - 1) * 4 + SuitIndex(card.suit) + 1;
      ASSERT_FALSE(seen[n]) << "card twice in one deck";
      seen[n] = true;
      ++counts[i][n];
    }
  }
  const double expected = kShuffles / 52.0;
  double chi2 = 0;
  for (int i = 1; i <= 52; ++i)
    for (int n = 1; n <= 52; ++n) chi2 += std::pow(counts[i][n] - expected, 2) / expected;
  // 2601 degrees of freedom: mean 2601, standard deviation about 72.
  EXPECT_LT(chi2, 2601 + 6 * 72);
  EXPECT_GT(chi2, 2601 - 6 * 72);
}

TEST(DealCards, EachRoleGetsItsBlocks) {
  struct Case {
    TableRole role;
    int upper_first;  // deck index of seat 1's first card
  };
  const Case cases[] = {{TableRole::SinglePlayer, 1},
                        {TableRole::LanServer, 1},
                        {TableRole::LanClient, 14},
                        {TableRole::TourSeat1, 14},
                        {TableRole::TourSeat2, 1}};
  testing::SeededRandom random(7);
  for (const Case& c : cases) {
    TDealState state;
    ShuffleDeck(state, random);
    DealCards(state, c.role);
    const int lower_first = c.upper_first == 1 ? 14 : 1;
    for (int i = 0; i < 13; ++i) {
      EXPECT_EQ(state.Hand[1][i + 1], state.Deck[c.upper_first + i]);
      EXPECT_EQ(state.Hand[2][i + 1], state.Deck[lower_first + i]);
    }
    EXPECT_EQ(state.HandCount[1], 13);
    EXPECT_EQ(state.HandCount[2], 13);
    EXPECT_EQ(state.StockNext, 27);
    EXPECT_EQ(state.Trump, kNoSuit);
  }
}

TEST(DealNumbers, VulnerabilityAndFirstSeatByRole) {
  //                            DealNo: 1  2  3  4  5  6  7  8
  const int vulnerability[] = {0, 2, 1, 3, 0, 2, 1, 3};
  const int first_single[] = {2, 1, 2, 1, 2, 1, 2, 1};
  for (int deal = 1; deal <= 8; ++deal) {
    TDealState state;
    state.DealNo = deal;
    SetVulnerabilityAndFirstSeat(state, TableRole::SinglePlayer);
    EXPECT_EQ(state.Vulnerability, vulnerability[deal - 1]) << deal;
    EXPECT_EQ(state.FirstSeat, first_single[deal - 1]) << deal;
    // The client sees the same player start from the other side of the table.
    SetVulnerabilityAndFirstSeat(state, TableRole::LanClient);
    EXPECT_EQ(state.Vulnerability, vulnerability[deal - 1]) << deal;
    EXPECT_EQ(state.FirstSeat, 3 - first_single[deal - 1]) << deal;
    // Tournament seat 1 always starts and nobody is vulnerable.
    SetVulnerabilityAndFirstSeat(state, TableRole::TourSeat1);
    EXPECT_EQ(state.FirstSeat, 2);
    EXPECT_EQ(state.Vulnerability, 0);
    SetVulnerabilityAndFirstSeat(state, TableRole::TourSeat2);
    EXPECT_EQ(state.FirstSeat, 1);
  }
}

TEST(DealNumbers, SeatVulnerabilityUsesSharedSeats) {
  TDealState state;
  state.Vulnerability = 2;
  EXPECT_TRUE(state.SeatVulnerable(TableRole::SinglePlayer, 2));
  EXPECT_FALSE(state.SeatVulnerable(TableRole::SinglePlayer, 1));
  // On the client the local player is shared seat 1.
  EXPECT_TRUE(state.SeatVulnerable(TableRole::LanClient, 1));
  EXPECT_FALSE(state.SeatVulnerable(TableRole::LanClient, 2));
  state.Vulnerability = 3;
  EXPECT_TRUE(state.SeatVulnerable(TableRole::TourSeat2, 1));
  EXPECT_TRUE(state.SeatVulnerable(TableRole::TourSeat2, 2));
}

}  // namespace
}  // namespace quorvex
