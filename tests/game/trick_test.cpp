#include <gtest/gtest.h>

#include "support/cards.h"

#include "game/trick.h"

namespace quorvex {
namespace {

using testing::Card;

TEST(TrickWinner, TrumpThenLedSuit) {
  struct Case {
    const char* led;
    const char* reply;
    char trump;
    int winner;
  };
  const Case cases[] = {
      {"Kc", "Ah", kNoSuit, 1},                            // draw phase: a discard never wins
      {"Ah", "2s", kSpades, 2},                            // a small trump beats the ace led
      {"2s", "Ah", kSpades, 1}, {"Ts", "Js", kSpades, 2},  // both trumps: the higher
      {"Qs", "Js", kSpades, 1}, {"5d", "9d", kNoSuit, 2},  // no trump: highest of the led suit
      {"9d", "5d", kNoSuit, 1}, {"9d", "As", kNoSuit, 1},
      {"4c", "3h", kHearts, 2}, {"Ac", "Kc", kHearts, 1},
  };
  for (const Case& c : cases) {
    const TCard led = Card(c.led);
    const TCard reply = Card(c.reply);
    EXPECT_EQ(TrickWinnerSlot(led, RankValue(led), reply, RankValue(reply), c.trump), c.winner)
        << c.led << " " << c.reply;
  }
}

TEST(FollowSuit, RefusedOnlyWhileHoldingTheLedSuit) {
  TDealState state;
  state.Hand[2][1] = Card("3h");
  state.Hand[2][2] = Card("Kc");
  state.Hand[2][3] = Card("2s");
  state.TrickSlot = 2;
  state.LedSuit = kClubs;
  EXPECT_FALSE(MustFollowSuit(state, 2));
  EXPECT_TRUE(MustFollowSuit(state, 1));
  EXPECT_TRUE(MustFollowSuit(state, 3));
  EXPECT_TRUE(IsLegalCard(state, 2, 2));
  EXPECT_FALSE(IsLegalCard(state, 2, 1));
  EXPECT_FALSE(IsLegalCard(state, 2, 4));  // empty slot
  state.LedSuit = kDiamonds;               // void: any card will do
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(MustFollowSuit(state, i));
  state.TrickSlot = 1;  // leading: anything
  state.LedSuit = kNoSuit;
  EXPECT_TRUE(IsLegalCard(state, 2, 1));
}

}  // namespace
}  // namespace quorvex
