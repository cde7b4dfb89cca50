// Two controllers joined through their LAN peers in one process: a whole session of four deals
// played by both sides, every message travelling as bytes, some reads holding several.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "game/controller.h"
#include "game/trick.h"
#include "net/lan_peer.h"
#include "opponent/auction_table.h"
#include "support/peer_fakes.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

using testing::FakeClock;
using testing::RecordingView;
using testing::SeededRandom;

using testing::QueueLink;

struct Side {
  Side(LanRole role, const char* name, unsigned seed)
      : random(seed),
        controller(view, opponent, random, clock, hooks),
        peer(controller, view, role, name) {
    controller.SetPeerLink(&link);
    peer.SetLink(&link);
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
  SessionHooks hooks;
  GameController controller;
  QueueLink link;
  LanPeer peer;
};

class LanSessionTest : public ::testing::Test {
 protected:
  LanSessionTest() {
    server.peer.SetConnected([this](const std::string& name) {
      server.controller.StartSession(TableRole::LanServer, SessionPlayer{"Sam", 0, 0}, name);
      server.peer.SessionStarted();
    });
    client.peer.SetConnected([this](const std::string& name) {
      client.controller.StartSession(TableRole::LanClient, SessionPlayer{"Clara", 0, 0}, name);
      client.peer.SessionStarted();
    });
  }

  // Delivers what each side sent; every other round one read holds all that is queued.
  void Pump() {
    for (int round = 0; round < 50; ++round) {
      bool moved = false;
      for (auto [from, to] : {std::pair{&server, &client}, std::pair{&client, &server}}) {
        if (from->link.queue.empty()) continue;
        moved = true;
        if (meddle_) meddle_(*to, from == &server ? LanRole::Server : LanRole::Client);
        if (++reads_ % 2 == 0) {
          std::string batch;
          while (!from->link.queue.empty()) {
            batch += from->link.queue.front();
            from->link.queue.pop_front();
          }
          to->peer.OnBytes(batch);
        } else {
          const std::string one = from->link.queue.front();
          from->link.queue.pop_front();
          to->peer.OnBytes(one);
        }
      }
      if (!moved) return;
    }
  }

  // One step of whoever may act; the client acts first, so that it leads as soon as it may,
  // before the server's player has closed the auction on its side.
  bool Step() {
    for (Side* side : {&client, &server}) {
      const TDealState& s = side->State();
      const bool is_server = side == &server;
      if (s.Phase == PhaseSeat2 && s.PlayState == 2 && side->controller.TableActive()) {
        EXPECT_TRUE(side->controller.OnLowerHandClick(side->FirstLegal()));
        return true;
      }
      if (s.Phase == PhaseBidSeat2 && !side->controller.Auction().Closed()) {
        const int highest = side->controller.Auction().Table().HighestBid();
        side->controller.OnLocalCall(is_server && highest == 0 ? 1 : kCallPass);
        return true;
      }
    }
    if (server.controller.Auction().Closed() && server.view.bidding_open) {
      server.controller.OnBiddingOk();
      return true;
    }
    if (server.view.main.enabled && server.controller.TableActive()) {
      server.controller.OnMainButton();
      return true;
    }
    if (server.State().Phase == PhaseDealOver) {
      // The server's pause before its next deal runs on its timer.
      server.clock.now += GameController::kLanPauseMs;
      server.controller.OnTimerTick();
      return server.view.main.enabled;
    }
    return false;
  }

  // Plays the session's four deals to the end, both sides checked to agree after each.
  void PlayFourDeals();

  // Bytes of the test's own that reach a side in reads of their own before each honest read.
  std::function<void(Side& to, LanRole from)> meddle_;
  Side server{LanRole::Server, "Sam", 7};
  Side client{LanRole::Client, "Clara", 8};
  int reads_ = 0;
};

void LanSessionTest::PlayFourDeals() {
  for (int deal = 1; deal <= 4; ++deal) {
    SCOPED_TRACE(deal);
    int steps = 0;
    while (!(server.State().Phase == PhaseDealOver && client.State().Phase == PhaseDealOver)) {
      ASSERT_LT(++steps, 400) << "the deal hangs: server phase " << int(server.State().Phase)
                              << " slot " << int(server.State().TrickSlot) << " trick "
                              << int(server.State().TrickNo) << ", client phase "
                              << int(client.State().Phase) << " slot "
                              << int(client.State().TrickSlot) << " trick "
                              << int(client.State().TrickNo) << " main "
                              << server.view.main.enabled;
      ASSERT_TRUE(Step()) << "nobody can move";
      Pump();
    }
    const TDealState& s = server.State();
    const TDealState& c = client.State();
    // Both saw the same cards in the same order, the same contract from both sides.
    EXPECT_EQ(s.Played, c.Played);
    EXPECT_EQ(s.ContractCode, c.ContractCode);
    if (s.ContractCode != 0) {
      EXPECT_EQ(s.Declarer, 3 - c.Declarer);
      EXPECT_EQ(s.Tricks[1], c.Tricks[2]);
      EXPECT_EQ(s.Tricks[2], c.Tricks[1]);
    }
    EXPECT_EQ(s.MatchScore[1], c.MatchScore[2]);
    EXPECT_EQ(s.MatchScore[2], c.MatchScore[1]);
    EXPECT_EQ(s.DealNo, c.DealNo);
    if (deal < 4) {
      // The server's player starts the next deal after the pause; the client follows its deck.
      EXPECT_FALSE(client.view.main.enabled);
      EXPECT_FALSE(client.view.end.enabled);
      ASSERT_TRUE(Step());
      Pump();
      ASSERT_TRUE(Step());  // the next deal
      Pump();
      ASSERT_EQ(client.State().DealNo, deal + 1);
    }
  }
  // The cycle of four leaves only the end button, on both sides.
  EXPECT_TRUE(server.view.end.enabled);
  EXPECT_TRUE(client.view.end.enabled);
  EXPECT_FALSE(server.view.main.enabled);
  EXPECT_EQ(server.controller.SessionDeals(), 4);
  EXPECT_EQ(client.controller.SessionDeals(), 4);
}

TEST_F(LanSessionTest, FourDealsAgreeCardForCardOnBothMachines) {
  // The handshake: another game's words get no answer, ours joins the two.
  server.peer.OnBytes("zef4925connect1Intruder            ");
  EXPECT_TRUE(server.link.queue.empty());
  client.peer.SendHandshake();
  Pump();
  ASSERT_EQ(server.peer.GetState(), LanPeer::State::Connected);
  ASSERT_EQ(client.peer.GetState(), LanPeer::State::Connected);
  EXPECT_EQ(server.peer.PeerName(), "Clara");
  EXPECT_EQ(client.peer.PeerName(), "Sam");
  ASSERT_TRUE(client.controller.TableActive());  // the first deck arrived
  PlayFourDeals();
  EXPECT_EQ(server.peer.DroppedBytes() + client.peer.DroppedBytes(), 0u);
}

// Before every honest read each side also gets garbage, pieces of messages, cards and calls out
// of turn, cards it cannot hold and calls below the last bid, in reads of their own. None of them
// moves the deal: the session still ends with both sides agreeing card for card.
TEST_F(LanSessionTest, GarbageAndMovesOutOfTurnLeaveTheDealsAlone) {
  client.peer.SendHandshake();
  Pump();
  ASSERT_TRUE(client.controller.TableActive());
  std::mt19937 random(2026);
  int meddled = 0;
  meddle_ = [&](Side& to, LanRole from) {
    ++meddled;
    std::vector<std::string> junk;
    // Random bytes; a read that ends in "s" would begin a chat line that takes the next read,
    // as the messages have no end mark, so none does.
    std::string noise(random() % 40 + 1, '\0');
    for (char& c : noise) c = char(random() % 256);
    if (noise.back() == 's') noise.back() = 'x';
    junk.push_back(noise);
    for (const char* piece : {"hho", "htrg0", "hhod9", "zef47", "connect", "hclos", "hbeg", "b12"})
      junk.emplace_back(piece);
    for (int index : {0, 14, 53, 99}) junk.push_back(CardMessage(index, from));
    for (int code : {0, 39, 99}) junk.push_back(CallMessage(code, from));
    const uint8_t phase = to.State().Phase;
    const bool bidding = phase == PhaseBidSeat1 || phase == PhaseBidSeat2;
    // Cards while the other side may not play: in the auction or on this side's turn.
    if (bidding || phase == PhaseSeat2)
      for (int index = 1; index <= kHandSlots; ++index) junk.push_back(CardMessage(index, from));
    // Calls while the other side may not call, and below the last bid when it may.
    const int highest = to.controller.Auction().Table().HighestBid();
    if (!bidding || phase == PhaseBidSeat2 || to.controller.Auction().Closed()) {
      for (int code : {1, 7, kCallPass}) junk.push_back(CallMessage(code, from));
    } else if (highest > 1) {
      for (int code = 1; code < highest; ++code) junk.push_back(CallMessage(code, from));
    }
    for (const std::string& bytes : junk) to.peer.OnBytes(bytes);
  };
  PlayFourDeals();
  EXPECT_GT(meddled, 100);
  EXPECT_GT(server.peer.DroppedBytes() + client.peer.DroppedBytes(), 0u);
  EXPECT_TRUE(server.view.end.enabled);
  EXPECT_TRUE(client.view.end.enabled);
}

TEST_F(LanSessionTest, ChatLinesTravelInTheReceiversColour) {
  client.peer.SendHandshake();
  Pump();
  client.peer.SendChat("hello, Sam!");
  server.peer.SendChat("hi");
  Pump();
  EXPECT_TRUE(server.view.Played("WToMenK"));
  EXPECT_TRUE(client.view.Played("WToMenK"));
}

}  // namespace
}  // namespace quorvex
