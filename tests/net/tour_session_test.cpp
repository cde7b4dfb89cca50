// Two tournament seats joined through a relay in one process: the relay deals and passes every
// frame on as bytes; the seats' clocks follow the turn, and the relay's word ends the game.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include <deque>
#include <string>

#include "game/controller.h"
#include "game/deal.h"
#include "net/lan_messages.h"
#include "net/tour_frames.h"
#include "net/tour_peer.h"
#include "support/peer_fakes.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

using testing::FakeClock;
using testing::RecordingView;
using testing::SeededRandom;

using testing::QueueLink;

class QuietHooks : public SessionHooks {
 public:
  void Disconnect() override { ++disconnects; }
  int disconnects = 0;
};

struct Seat {
  Seat(int seat, const char* name)
      : random(unsigned(seat)),
        controller(view, opponent, random, clock, hooks),
        peer(controller, view, seat) {
    controller.SetPeerLink(&peer);
    peer.SetLink(&link);
    peer.SetDealt([this, seat, name] {
      controller.StartSession(peer.Role(), SessionPlayer{name, 0, 0}, seat == 1 ? "Bob" : "Ann");
    });
  }
  int FirstLegal() const {
    for (int i = 1; i <= kHandSlots; ++i)
      if (controller.CanPlayLowerCard(i)) return i;
    return 0;
  }
  const TDealState& State() const { return controller.State(); }

  RecordingView view;
  PlainOpponent opponent;
  SeededRandom random;
  FakeClock clock;
  QuietHooks hooks;
  GameController controller;
  QueueLink link;
  TourPeer peer;
};

class TourSessionTest : public ::testing::Test {
 protected:
  // The relay's deal: the same deck to both seats, in one read with nothing else.
  void Deal() {
    TDealState dealt;
    SeededRandom random(11);
    ShuffleDeck(dealt, random);
    const std::string deck = DeckMessageOf(dealt.Deck, dealt.DeckRank);
    ann.peer.OnBytes(deck);
    bob.peer.OnBytes(deck.substr(0, 150));
    bob.peer.OnBytes(deck.substr(150));
  }

  // Passes every frame on to the other seat; every other read brings all that waits at once.
  void Pump() {
    for (int round = 0; round < 50; ++round) {
      bool moved = false;
      for (auto [from, to] : {std::pair{&ann, &bob}, std::pair{&bob, &ann}}) {
        std::string batch;
        while (!from->link.queue.empty()) {
          const std::string frame = from->link.queue.front();
          from->link.queue.pop_front();
          EXPECT_EQ(frame.size(), kTourFrameLength);
          sent.push_back(frame);
          batch += frame;
          if (++reads_ % 2) break;
        }
        if (batch.empty()) continue;
        moved = true;
        if (meddle_) meddle_(*to, from == &ann ? '1' : '2');
        to->peer.OnBytes(batch);
      }
      if (!moved) return;
    }
  }

  bool Step() {
    for (Seat* seat : {&bob, &ann}) {
      const TDealState& s = seat->State();
      if (s.Phase == PhaseSeat2 && s.PlayState == 2 && seat->controller.TableActive()) {
        EXPECT_TRUE(seat->controller.OnLowerHandClick(seat->FirstLegal()));
        return true;
      }
      if (s.Phase == PhaseBidSeat2 && !seat->controller.Auction().Closed()) {
        const int highest = seat->controller.Auction().Table().HighestBid();
        seat->controller.OnLocalCall(seat == &ann && highest == 0 ? 1 : kCallPass);
        return true;
      }
    }
    if (ann.controller.Auction().Closed() && ann.view.bidding_open) {
      ann.controller.OnBiddingOk();
      return true;
    }
    if (ann.view.main.enabled && ann.controller.TableActive()) {
      ann.controller.OnMainButton();
      return true;
    }
    return false;
  }

  // Frames of the test's own that reach a seat before each honest read, as if the relay sent them.
  std::function<void(Seat& to, char from_seat)> meddle_;
  Seat ann{1, "Ann"};
  Seat bob{2, "Bob"};
  std::vector<std::string> sent;
  int reads_ = 0;
};

TEST_F(TourSessionTest, OneDealAgreesOnBothSeatsWithTheClocksOnTheTurn) {
  ann.peer.SendConnect();
  EXPECT_EQ(ann.link.queue.front(), "connect1###########1");
  ann.link.queue.clear();
  Deal();
  ASSERT_TRUE(ann.controller.TableActive());
  ASSERT_TRUE(bob.controller.TableActive());
  EXPECT_EQ(ann.controller.Role(), TableRole::TourSeat1);
  // Seat 1 starts the play: its own clock on its table, the opponent's clock on the other.
  EXPECT_EQ(ann.view.clock[2], GameController::kMoveSeconds);
  EXPECT_EQ(ann.view.clock[1], -1);
  EXPECT_EQ(bob.view.clock[1], GameController::kMoveSeconds);
  EXPECT_TRUE(ann.view.clock_timer);
  ann.controller.OnClockTick();
  bob.controller.OnClockTick();
  EXPECT_EQ(ann.view.clock[2], GameController::kMoveSeconds - 1);
  EXPECT_EQ(bob.view.clock[1], GameController::kMoveSeconds - 1);
  EXPECT_TRUE(ann.view.Played("STimerA"));
  EXPECT_FALSE(bob.view.Played("STimerA"));  // only the clock of the one who must act ticks aloud

  int steps = 0;
  while (Step() && ++steps < 400) {
    Pump();
    // Whoever must act has the full time again, and the other clock shows nothing.
    const int to_act = ann.controller.SeatToAct();
    if (to_act) {
      EXPECT_EQ(ann.view.clock[to_act], GameController::kMoveSeconds);
      EXPECT_EQ(ann.view.clock[3 - to_act], -1);
    }
  }
  ASSERT_EQ(ann.State().Phase, PhaseDealOver);
  ASSERT_EQ(bob.State().Phase, PhaseDealOver);
  EXPECT_EQ(ann.State().MatchScore[1], bob.State().MatchScore[2]);
  EXPECT_EQ(ann.State().MatchScore[2], bob.State().MatchScore[1]);
  EXPECT_EQ(ann.controller.Balance(), -bob.controller.Balance());
  EXPECT_FALSE(ann.view.clock_timer);
  // Seat 1 may end at once; seat 2 waits for the relay's end.
  EXPECT_TRUE(ann.view.end.enabled);
  EXPECT_FALSE(bob.view.end.enabled);
  bob.peer.OnBytes(FrameTourMessage("e", kRelayDigit));
  EXPECT_TRUE(bob.view.end.enabled);
  EXPECT_TRUE(bob.controller.RelayOver());
  EXPECT_FALSE(bob.view.chat_enabled);
  // An "a" after the end changes nothing.
  bob.peer.OnBytes(FrameTourMessage("a", kRelayDigit));
  EXPECT_TRUE(bob.view.told.empty());

  ann.controller.OnEndButton();
  ASSERT_FALSE(ann.link.queue.empty());
  EXPECT_EQ(ReadTourFrame(ann.link.queue.back()).kind, TourFrameKind::Result);
  EXPECT_EQ(ReadTourFrame(ann.link.queue.back()).balance[0], ann.controller.Balance());
}

TEST_F(TourSessionTest, TheGameEndsEarlyWithItsMessage) {
  struct Case {
    const char* what;
    std::string expected_box;
    const char* effect;
  };
  const Case cases[] = {
      {"a", "Player Bob interrupted the game!\nYou won!", "WWrongs"},
      {"T", "Player Bob time is up!\nYou won!", "WKoGutX"},
      {"lost", "Lost connection with the server!", nullptr},
      {"own time", "Your time is up!\nYou lose!", "WWrongs"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Seat seat{1, "Ann"};
    TDealState dealt;
    SeededRandom random(3);
    ShuffleDeck(dealt, random);
    seat.peer.OnBytes(DeckMessageOf(dealt.Deck, dealt.DeckRank));
    ASSERT_TRUE(seat.controller.TableActive());
    const std::string what = c.what;
    if (what == "lost") {
      seat.peer.OnLost();
    } else if (what == "own time") {
      for (int t = 0; t < GameController::kMoveSeconds; ++t) seat.controller.OnClockTick();
      EXPECT_TRUE(seat.view.Played("STimerB"));
      EXPECT_EQ(seat.link.queue.back(), "TOut###############1");
    } else {
      seat.peer.OnBytes(FrameTourMessage(what, kRelayDigit));
    }
    ASSERT_EQ(seat.view.told.size(), 1u);
    EXPECT_EQ(seat.view.told[0], c.expected_box);
    if (c.effect) {
      EXPECT_TRUE(seat.view.Played(c.effect));
    }
    EXPECT_EQ(seat.State().Phase, PhaseDealOver);
    EXPECT_FALSE(seat.view.main.enabled);
    EXPECT_TRUE(seat.view.end.enabled);
    EXPECT_FALSE(seat.view.clock_timer);
    EXPECT_EQ(seat.hooks.disconnects, 1);
    // Nothing more happens after that: no second box, no clock.
    seat.peer.OnBytes(FrameTourMessage("T", kRelayDigit));
    seat.controller.OnClockTick();
    EXPECT_EQ(seat.view.told.size(), 1u);
  }
}

TEST_F(TourSessionTest, ChatIsCutAtTheFirstHashAndColouredBySeat) {
  Deal();
  ann.peer.SendChat("No#1 here");
  Pump();
  EXPECT_EQ(ann.view.chat, (std::vector<std::string>{"1:No"}));
  EXPECT_EQ(bob.view.chat, (std::vector<std::string>{"1:No"}));
  // A frame that claims the receiver's own seat is nobody's word.
  bob.peer.OnBytes(FrameTourMessage("sforged", '2'));
  EXPECT_EQ(bob.view.chat.size(), 1u);
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

TEST(TourSeatBusy, ADeckForAPlayerInAnotherGameLeavesThatGameAlone) {
  testing::RecordingView view;
  PlainOpponent opponent;
  testing::SeededRandom random(4);
  testing::FakeClock clock;
  SessionHooks hooks;
  GameController controller(view, opponent, random, clock, hooks);
  controller.StartSession(TableRole::SinglePlayer, SessionPlayer{"Ann", 0, 0}, "");
  const TDealState before = controller.State();
  TourPeer peer(controller, view, 2);
  bool busy = false;
  peer.SetBusy([&busy] { busy = true; });
  peer.SetDealt([] { ADD_FAILURE() << "dealt into another game"; });
  TDealState dealt;
  testing::SeededRandom shuffle(9);
  ShuffleDeck(dealt, shuffle);
  peer.OnBytes(DeckMessageOf(dealt.Deck, dealt.DeckRank) + FrameTourMessage("hhod01", '1'));
  EXPECT_TRUE(busy);
  EXPECT_EQ(controller.State().Deck, before.Deck);
  EXPECT_EQ(controller.State().TrickSlot, before.TrickSlot);
  EXPECT_EQ(controller.State().HandCount, before.HandCount);
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// A relay that passes on frames of garbage, cards and calls out of turn, cards no hand holds and
// calls below the last bid, each in a whole frame: the deal still ends alike on both seats.
TEST_F(TourSessionTest, FramesOfGarbageAndMovesOutOfTurnLeaveTheDealAlone) {
  ann.peer.SendConnect();
  ann.link.queue.clear();
  Deal();
  ASSERT_TRUE(bob.controller.TableActive());
  std::mt19937 random(18);
  int meddled = 0;
  meddle_ = [&](Seat& to, char from_seat) {
    ++meddled;
    // A move at the table is "hhod" or "htrg" with two digits, framed with the seat.
    const auto move = [from_seat](const char* head, int number) {
      const char digits[3] = {char('0' + number / 10 % 10), char('0' + number % 10), 0};
      return FrameTourMessage(std::string(head) + digits, from_seat);
    };
    std::vector<std::string> junk;
    std::string noise(kTourFrameLength - 1, '\0');
    for (char& c : noise) c = char(random() % 256);
    junk.push_back(noise + from_seat);
    for (int index : {0, 14, 53, 99}) junk.push_back(move("hhod", index));
    const uint8_t phase = to.State().Phase;
    const bool bidding = phase == PhaseBidSeat1 || phase == PhaseBidSeat2;
    if (bidding || phase == PhaseSeat2)
      for (int index = 1; index <= kHandSlots; ++index) junk.push_back(move("hhod", index));
    const int highest = to.controller.Auction().Table().HighestBid();
    if (!bidding || phase == PhaseBidSeat2 || to.controller.Auction().Closed()) {
      for (int code : {1, 7, kCallPass}) junk.push_back(move("htrg", code));
    } else if (highest > 1) {
      for (int code = 1; code < highest; ++code) junk.push_back(move("htrg", code));
    }
    for (const std::string& frame : junk) to.peer.OnBytes(frame);
  };
  int steps = 0;
  while (Step() && ++steps < 400) Pump();
  EXPECT_GT(meddled, 20);
  ASSERT_EQ(ann.State().Phase, PhaseDealOver);
  ASSERT_EQ(bob.State().Phase, PhaseDealOver);
  EXPECT_EQ(ann.State().Played, bob.State().Played);
  EXPECT_EQ(ann.State().MatchScore[1], bob.State().MatchScore[2]);
  EXPECT_EQ(ann.controller.Balance(), -bob.controller.Balance());
}

}  // namespace
}  // namespace quorvex
