// A recorded deal replayed card by card: the hands shrink, tricks go to their winners, and a play
// that breaks the rules ends the replay where it broke.
#include <gtest/gtest.h>

#include "game/deal_replay.h"
#include "opponent/auction_table.h"

namespace quorvex {
namespace {

uint8_t N(const char* text) {
  TCard card;
  EXPECT_TRUE(ParseCardText(text, card)) << text;
  return DeckNumberOf(card);
}

// Seat 2 declares four spades; seat 1 called first, so seat 2 leads. Seat 2 holds the spades
// AKQJT98765432, seat 1 all the hearts.
DealRecord SpadesAgainstHearts() {
  DealRecord r;
  const char* spades[] = {"As", "Ks", "Qs", "Js", "Ts", "9s", "8s",
                          "7s", "6s", "5s", "4s", "3s", "2s"};
  const char* hearts[] = {"Ah", "Kh", "Qh", "Jh", "Th", "9h", "8h",
                          "7h", "6h", "5h", "4h", "3h", "2h"};
  for (int i = 0; i < 13; ++i) {
    r.hands[2][i] = N(spades[i]);
    r.hands[1][i] = N(hearts[i]);
  }
  r.first_seat = 1;
  r.contract = 19;  // four spades
  r.declarer = 2;
  for (int i = 0; i < 13; ++i) {
    r.contract_play.push_back(r.hands[2][i]);
    r.contract_play.push_back(r.hands[1][12 - i]);
  }
  return r;
}

TEST(DealReplay, CardsLeaveTheHandsAndTricksGoToTheirWinners) {
  const DealRecord record = SpadesAgainstHearts();
  const DealReplay replay(record);
  EXPECT_EQ(replay.Trump(), kSpades);
  ASSERT_EQ(replay.Cards(), 26);

  const ReplayStep start = replay.After(0);
  EXPECT_EQ(start.to_move, 2);
  EXPECT_EQ(start.hands[1].size(), 13u);
  EXPECT_TRUE(start.trick.empty());

  const ReplayStep one = replay.After(1);
  EXPECT_EQ(one.to_move, 1);
  ASSERT_EQ(one.trick.size(), 1u);
  EXPECT_EQ(CardText(one.trick[0]), "As");
  EXPECT_EQ(one.hands[2].size(), 12u);

  const ReplayStep five = replay.After(5);  // two tricks won, the third led
  EXPECT_EQ(five.tricks[2], 2);
  EXPECT_EQ(five.trick_no, 3);
  EXPECT_EQ(replay.PlayerOf(4), 2);

  const ReplayStep end = replay.After(26);
  EXPECT_EQ(end.tricks[2], 13);
  EXPECT_EQ(end.to_move, 0);
  EXPECT_TRUE(end.hands[1].empty() && end.hands[2].empty());
  EXPECT_EQ(replay.After(99).tricks, end.tricks);  // past the end is the end
}

TEST(DealReplay, APlayAgainstTheRulesEndsTheReplayThere) {
  // The first card is one seat 2 does not hold.
  DealRecord record = SpadesAgainstHearts();
  record.contract_play[0] = N("Ah");
  EXPECT_EQ(DealReplay(record).Cards(), 0);

  // Seat 1 is given a spade, and its heart reply to the spade lead is a revoke.
  record = SpadesAgainstHearts();
  std::swap(record.hands[1][0], record.hands[2][12]);
  EXPECT_EQ(DealReplay(record).Cards(), 1);
}

}  // namespace
}  // namespace quorvex
