// The relay's referee: which frame each seat may send at each point of a deal, and whose move
// the game waits for.
#include "deal_referee.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "game/deal.h"
#include "net/tour_frames.h"
#include "opponent/auction_table.h"
#include "support/recording_view.h"

namespace quorvex::server {
namespace {

TourFrame From(int seat, const std::string& message) {
  return ReadTourFrame(FrameTourMessage(message, static_cast<char>('0' + seat)));
}

std::string Numbered(const char* head, int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s%02d", head, n);
  return buffer;
}

struct Check {
  int seat;
  std::string message;
  bool legal;
};

class DealRefereeTest : public ::testing::Test {
 protected:
  DealRefereeTest() { Deal(5); }
  void Deal(unsigned seed) {
    testing::SeededRandom random(seed);
    ShuffleDeck(deal, random);
    // The hands as the two seats hold them sorted: tournament seat 1 gets deck 1..13.
    DealCards(deal, TableRole::TourSeat1);
    SortHand(deal, 1);
    SortHand(deal, 2);
    referee = std::make_unique<DealReferee>(deal.Deck, deal.DeckRank);
  }
  const std::array<TCard, kHandSlots + 1>& HandOf(int seat) const {
    return deal.Hand[seat == 1 ? 2 : 1];
  }
  bool Holds(int seat, char suit) const {
    for (int i = 1; i <= kHandSlots; ++i)
      if (HandOf(seat)[size_t(i)].suit == suit) return true;
    return false;
  }
  void ExpectAll(const std::vector<Check>& checks, const char* where) {
    for (const Check& c : checks)
      EXPECT_EQ(referee->Legal(c.seat, From(c.seat, c.message)), c.legal)
          << where << ": seat " << c.seat << " " << c.message;
  }
  void Play(int seat, const std::string& message) {
    ASSERT_EQ(referee->Play(seat, From(seat, message)), RefereeVerdict::Accepted)
        << "seat " << seat << " " << message;
  }
  // Plays the first legal move of whoever must act until a call is due.
  void PlayToTheAuction() {
    for (int moves = 0; moves < 200; ++moves) {
      const int seat = referee->ToAct();
      if (referee->Legal(seat, From(seat, Numbered("htrg", kCallPass)))) return;
      bool moved = false;
      for (const std::string& m : {std::string("hbegin"), std::string("hslits")}) {
        if (!moved && referee->Legal(seat, From(seat, m))) {
          Play(seat, m);
          moved = true;
        }
      }
      for (int i = 1; i <= kHandSlots && !moved; ++i) {
        if (referee->Legal(seat, From(seat, Numbered("hhod", i)))) {
          Play(seat, Numbered("hhod", i));
          moved = true;
        }
      }
      ASSERT_TRUE(moved) << "nothing legal for seat " << seat;
    }
    FAIL() << "no auction";
  }

  TDealState deal;
  std::unique_ptr<DealReferee> referee;
};

TEST_F(DealRefereeTest, FollowsTheFirstTrickMoveByMove) {
  EXPECT_EQ(referee->ToAct(), 1);
  ExpectAll({{1, "hbegin", true},
             {2, "hbegin", false},
             {1, "hhod01", false},
             {1, "hslits", false},
             {1, "htrg01", false},
             {1, "hclose", false},
             {1, "shello", false},
             {1, "TOut", false},
             {1, "xyz", false}},
            "before the play");
  // A frame carrying the other seat's digit is not the sender's move.
  EXPECT_FALSE(referee->Legal(1, ReadTourFrame(FrameTourMessage("hbegin", '2'))));

  Play(1, "hbegin");
  EXPECT_EQ(referee->ToAct(), 1);
  ExpectAll({{1, "hhod01", true},
             {1, "hhod13", true},
             {1, "hhod00", false},
             {1, "hhod14", false},
             {2, "hhod01", false},
             {1, "hbegin", false}},
            "seat 1 to lead");

  // Seat 1 leads a suit seat 2 holds beside another one, so that seat 2 could break the rule.
  int lead = 0;
  for (int i = 1; i <= kHandSlots && lead == 0; ++i) {
    const char suit = HandOf(1)[size_t(i)].suit;
    bool other_suit = false;
    for (int j = 1; j <= kHandSlots; ++j) other_suit |= HandOf(2)[size_t(j)].suit != suit;
    if (Holds(2, suit) && other_suit) lead = i;
  }
  ASSERT_NE(lead, 0);
  const char led = HandOf(1)[size_t(lead)].suit;
  Play(1, Numbered("hhod", lead));
  EXPECT_EQ(referee->ToAct(), 2);
  int follow = 0;
  int discard = 0;
  for (int j = 1; j <= kHandSlots; ++j) {
    if (HandOf(2)[size_t(j)].suit == led) follow = j;
    if (HandOf(2)[size_t(j)].suit != led) discard = j;
  }
  ExpectAll({{2, Numbered("hhod", discard), false},
             {2, Numbered("hhod", follow), true},
             {1, "hhod01", false},
             {1, "hslits", false}},
            "seat 2 to follow");
  EXPECT_EQ(referee->Play(2, From(2, Numbered("hhod", discard))), RefereeVerdict::Illegal);

  Play(2, Numbered("hhod", follow));
  EXPECT_EQ(referee->ToAct(), 1);
  ExpectAll({{1, "hslits", true}, {2, "hslits", false}, {1, "hhod01", false}, {2, "hhod01", false}},
            "the trick is complete");
  Play(1, "hslits");
  EXPECT_FALSE(referee->Over());
}

TEST_F(DealRefereeTest, AuctionCallsFollowTheRules) {
  PlayToTheAuction();
  // Tournament seat 1 always calls first.
  EXPECT_EQ(referee->ToAct(), 1);
  ExpectAll({{1, Numbered("htrg", kCallDouble), false},
             {1, Numbered("htrg", kCallRedouble), false},
             {1, Numbered("htrg", 36 + 3), false},
             {1, "htrg00", false},
             {2, Numbered("htrg", 1), false},
             {1, "hhod01", false}},
            "opening call");
  Play(1, Numbered("htrg", 5));
  EXPECT_EQ(referee->ToAct(), 2);
  ExpectAll({{2, Numbered("htrg", 3), false},
             {2, Numbered("htrg", 5), false},
             {2, Numbered("htrg", kCallRedouble), false},
             {2, Numbered("htrg", 6), true},
             {2, Numbered("htrg", kCallDouble), true},
             {1, Numbered("htrg", 7), false}},
            "after seat 1 bid 5");
  Play(2, Numbered("htrg", kCallDouble));
  ExpectAll({{1, Numbered("htrg", kCallRedouble), true}, {1, Numbered("htrg", kCallDouble), false}},
            "after the double");
}

TEST_F(DealRefereeTest, PassedOutDealEndsWhenSeatOneClosesIt) {
  // Several deals, so that the last draw trick falls to either seat.
  for (unsigned seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE(seed);
    Deal(seed);
    PlayToTheAuction();
    Play(1, Numbered("htrg", kCallPass));
    Play(2, Numbered("htrg", kCallPass));
    // Nobody bid: only seat 1's closing of the auction is left.
    EXPECT_EQ(referee->ToAct(), 1);
    ExpectAll({{2, "hclose", false}, {1, Numbered("htrg", 1), false}, {1, "hhod01", false}},
              "passed out");
    EXPECT_FALSE(referee->Over());
    Play(1, "hclose");
    EXPECT_TRUE(referee->Over());
    EXPECT_EQ(referee->ToAct(), 0);
    EXPECT_EQ(referee->Balance1(), 0);
    EXPECT_FALSE(referee->Legal(1, From(1, "hclose")));
  }
}

}  // namespace
}  // namespace quorvex::server
