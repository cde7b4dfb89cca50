#include <gtest/gtest.h>

#include "opponent/auction_engine.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

using testing::RecordingLink;
using testing::RecordingView;

// Calls in time order; `first` is the shared seat that calls first.
AuctionTable TableOf(int first, std::initializer_list<int> calls) {
  AuctionTable table;
  int seat = first;
  for (int code : calls) {
    EXPECT_TRUE(table.Place(seat, code));
    seat = 3 - seat;
  }
  return table;
}

TEST(AuctionTable, SeatTwoOpeningPutsSeatOnesReplyOnLineTwo) {
  AuctionTable table = TableOf(2, {1, 6});
  EXPECT_EQ(table.Cell(2, 1), 1);
  EXPECT_EQ(table.Cell(1, 1), 0);
  EXPECT_EQ(table.Cell(1, 2), 6);
  EXPECT_EQ(table.LastCall(), 6);
  EXPECT_EQ(table.PreviousCall(), 1);  // the opening call is still the one before the reply
  table.Place(2, kCallPass);
  EXPECT_EQ(table.Cell(2, 2), kCallPass);
  EXPECT_EQ(table.PreviousCall(), 6);
  EXPECT_TRUE(table.Ended());

  AuctionTable seat1_first = TableOf(1, {1, 2, 3});
  EXPECT_EQ(seat1_first.Cell(1, 1), 1);
  EXPECT_EQ(seat1_first.Cell(2, 1), 2);
  EXPECT_EQ(seat1_first.Cell(1, 2), 3);
  EXPECT_EQ(seat1_first.PreviousCall(), 2);
  EXPECT_EQ(TableOf(1, {7}).PreviousCall(), 0);
}

TEST(AuctionTable, EndOfAuction) {
  struct Case {
    int first;
    std::initializer_list<int> calls;
    bool ended;
  };
  const Case cases[] = {
      {1, {}, false},
      {1, {kCallPass}, false},  // an opening pass keeps it open
      {2, {kCallPass}, false},
      {1, {kCallPass, kCallPass}, true},
      {2, {kCallPass, kCallPass}, true},
      {1, {3, kCallPass}, true},
      {2, {3, kCallDouble, kCallPass}, true},
      {1, {3, kCallDouble, kCallRedouble}, false},
      {1, {kCallPass, 4}, false},
      {2, {kCallPass, 4, 9, kCallPass}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TableOf(c.first, c.calls).Ended(), c.ended);
  }
}

TEST(AuctionTable, HighestBidAndLastBidOfASeat) {
  AuctionTable table = TableOf(1, {3, 8, kCallDouble, kCallRedouble, 12, kCallPass});
  int seat = 0;
  EXPECT_EQ(table.HighestBid(&seat), 12);
  EXPECT_EQ(seat, 1);
  EXPECT_EQ(table.LastBidOf(1), 12);
  EXPECT_EQ(table.LastBidOf(2), 8);
  EXPECT_EQ(AuctionTable().HighestBid(&seat), 0);
}

TEST(CallCodes, LevelDenominationAndTrump) {
  EXPECT_EQ(BidTricks(1), 7);
  EXPECT_EQ(BidTricks(5), 7);
  EXPECT_EQ(BidTricks(6), 8);
  EXPECT_EQ(BidTricks(35), 13);
  EXPECT_EQ(BidDenomination(15), 5);
  EXPECT_EQ(DenominationTrump(BidDenomination(16)), kClubs);
  EXPECT_EQ(DenominationTrump(BidDenomination(17)), kDiamonds);
  EXPECT_EQ(DenominationTrump(BidDenomination(18)), kHearts);
  EXPECT_EQ(DenominationTrump(BidDenomination(19)), kSpades);
  EXPECT_EQ(DenominationTrump(BidDenomination(20)), kNoSuit);
}

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : engine(state, view) {}

  void Begin(TableRole role, int first_seat) {
    engine.SetRole(role, &link);
    engine.Reset();
    state.FirstSeat = static_cast<uint8_t>(first_seat);
    state.Phase = static_cast<uint8_t>(10 + first_seat);
    engine.RefreshAuction(false);
  }

  // The upper seat's call, as the computer's timer tick or the peer's message makes it.
  AuctionOutcome Upper(int code, bool send = false) {
    engine.PlaceUpperCall(code);
    state.Phase = PhaseBidSeat2;
    return engine.RefreshAuction(send);
  }

  TDealState state;
  RecordingView view;
  RecordingLink link;
  AuctionEngine engine;
};

TEST_F(EngineTest, OneNoTrumpDoubledAndRedoubled) {
  Begin(TableRole::SinglePlayer, 2);
  EXPECT_EQ(engine.RecordLocalCall(5), AuctionOutcome::Open);
  EXPECT_EQ(state.Phase, PhaseBidSeat1);
  EXPECT_EQ(Upper(kCallDouble), AuctionOutcome::Open);
  EXPECT_TRUE(view.buttons.dbl);
  EXPECT_TRUE(view.buttons.redouble_caption);
  EXPECT_EQ(engine.RecordLocalCall(kCallRedouble), AuctionOutcome::Open);
  EXPECT_EQ(Upper(kCallPass), AuctionOutcome::Contract);
  EXPECT_EQ(state.ContractCode, 5);
  EXPECT_EQ(state.Declarer, 2);
  EXPECT_EQ(state.Doubling, 2);
  EXPECT_EQ(state.Trump, kNoSuit);
  EXPECT_EQ(state.TricksNeeded, 7);
  // Closed: every call button off, OK on for the side that closes.
  EXPECT_FALSE(view.buttons.pass);
  EXPECT_FALSE(view.buttons.dbl);
  EXPECT_TRUE(view.buttons.ok);
  for (int k = 1; k <= 35; ++k) EXPECT_FALSE(view.buttons.bid[k]);
  EXPECT_EQ(engine.CloseAuction(), AuctionOutcome::Contract);
  EXPECT_EQ(state.Phase, 1);  // the player started, so the computer leads
  EXPECT_EQ(state.Leader, 1);
  EXPECT_TRUE(engine.MayClose());
  EXPECT_TRUE(link.sent.empty());  // nothing is sent in the game against the computer
}

TEST_F(EngineTest, DoubledOnlyAndTheComputerDeclares) {
  Begin(TableRole::SinglePlayer, 1);
  Upper(5);
  engine.RecordLocalCall(kCallDouble);
  EXPECT_EQ(Upper(kCallPass), AuctionOutcome::Contract);
  EXPECT_EQ(state.Declarer, 1);
  EXPECT_EQ(state.Doubling, 1);
}

TEST_F(EngineTest, LegalCallsAfterEachKindOfCall) {
  Begin(TableRole::SinglePlayer, 1);
  // Not the player's turn yet: nothing is enabled.
  EXPECT_FALSE(view.buttons.pass);
  Upper(12);  // three diamonds
  for (int k = 1; k <= 35; ++k) EXPECT_EQ(view.buttons.bid[k], k > 12) << k;
  EXPECT_TRUE(view.buttons.pass);
  EXPECT_TRUE(view.buttons.dbl);
  EXPECT_FALSE(view.buttons.redouble_caption);
  engine.RecordLocalCall(14);
  Upper(kCallDouble);
  // Bids at or below the highest stay off after a double.
  for (int k = 1; k <= 35; ++k) EXPECT_EQ(view.buttons.bid[k], k > 14) << k;
  EXPECT_TRUE(view.buttons.redouble_caption);
  engine.RecordLocalCall(kCallRedouble);
  Upper(20);
  engine.RecordLocalCall(kCallDouble);
  Upper(kCallRedouble);
  // After a redouble the double button is off and reads "Double".
  EXPECT_FALSE(view.buttons.dbl);
  EXPECT_FALSE(view.buttons.redouble_caption);
  for (int k = 1; k <= 35; ++k) EXPECT_EQ(view.buttons.bid[k], k > 20) << k;
}

TEST_F(EngineTest, PassedOutAfterTwoPasses) {
  Begin(TableRole::SinglePlayer, 2);
  EXPECT_EQ(engine.RecordLocalCall(kCallPass), AuctionOutcome::Open);
  EXPECT_FALSE(engine.Closed());
  EXPECT_EQ(view.buttons.dbl, false);  // the offer starts at 0 and a pass keeps it
  EXPECT_EQ(Upper(kCallPass), AuctionOutcome::PassedOut);
  EXPECT_EQ(state.ContractCode, 0);
  EXPECT_EQ(engine.CloseAuction(), AuctionOutcome::PassedOut);
  EXPECT_EQ(state.Phase, PhaseDealOver);
}

TEST_F(EngineTest, CallSounds) {
  struct Case {
    int code;
    const char* sound;
  };
  const Case cases[] = {
      {kCallPass, "WDiPass"}, {kCallDouble, "WPlMore"}, {kCallRedouble, "WPlMore"},
      {1, "WDiPlay"},         {14, "WDiPlay"},          {15, "WPlMore"},
      {16, "WDiPlay"},        {17, "WDiPlay"},          {18, "WPlMore"},
      {35, "WPlMore"}};
  for (const Case& c : cases) EXPECT_STREQ(AuctionEngine::CallSound(c.code), c.sound) << c.code;
  Begin(TableRole::SinglePlayer, 1);
  view.effects.clear();
  Upper(15);
  ASSERT_EQ(view.effects.size(), 1u);
  EXPECT_EQ(view.effects[0], "WPlMore");
}

TEST_F(EngineTest, MessagesToThePeer) {
  EXPECT_EQ(AuctionEngine::CallMessage(7, TableRole::LanServer), "htrg071");
  EXPECT_EQ(AuctionEngine::CallMessage(38, TableRole::LanClient), "htrg382");
  EXPECT_EQ(AuctionEngine::CallMessage(7, TableRole::TourSeat2), "htrg07");
  EXPECT_EQ(AuctionEngine::CloseMessage(TableRole::LanClient), "hclose2");
  EXPECT_EQ(AuctionEngine::CloseMessage(TableRole::TourSeat1), "hclose");

  // On the LAN client the local player is shared seat 1 and the contract comes back local.
  Begin(TableRole::LanClient, 2);
  engine.RecordLocalCall(9);
  EXPECT_EQ(engine.Table().Cell(1, 1), 9);
  EXPECT_EQ(link.sent.back(), "htrg092");
  EXPECT_EQ(Upper(kCallPass), AuctionOutcome::Contract);  // the peer's pass, refreshed silently
  EXPECT_EQ(link.sent.size(), 1u);
  EXPECT_EQ(state.Declarer, 2);
  EXPECT_EQ(state.Phase, 1);      // networked: play turns to the opening leader at once
  EXPECT_FALSE(view.buttons.ok);  // the server closes the client's dialog
}

}  // namespace
}  // namespace quorvex
