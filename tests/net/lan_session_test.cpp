// Two controllers joined through their LAN peers in one process: a whole session of four deals
// played by both sides, every message travelling as bytes, some reads holding several.
#include <gtest/gtest.h>

#include <deque>
#include <string>

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

  Side server{LanRole::Server, "Sam", 7};
  Side client{LanRole::Client, "Clara", 8};
  int reads_ = 0;
};

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
  EXPECT_EQ(server.peer.DroppedBytes() + client.peer.DroppedBytes(), 0u);
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
