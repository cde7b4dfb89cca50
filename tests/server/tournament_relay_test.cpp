// The tournament relay on loopback ports with two players' programs: joining a table, a whole
// deal relayed and refereed, and what happens to players who break the rules or go away.
#include "tournament_relay.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "net/lan_messages.h"
#include "relay_support.h"
#include "server/test_server.h"

namespace quorvex::server {
namespace {

using testing::FakeRelayHost;
using testing::RelayPlayer;
using testing::RunUntil;

constexpr int kTable = 4;

std::string TwoDigitMessage(const char* head, int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s%02d", head, n);
  return buffer;
}

// One table's match: the tournament, the relay on free ports and the two seats' programs.
struct Match {
  explicit Match(RelayTimings timings = {}) {
    for (int attempt = 0; attempt < 20 && !relay; ++attempt) {
      base = FreeRelayBase();
      auto candidate = std::make_unique<TournamentRelay>(host, QHostAddress::LocalHost, base);
      candidate->SetTimings(timings);
      candidate->SetLog([this](const QString& line) { log.push_back(line); });
      QString error;
      if (candidate->Listen(&error)) relay = std::move(candidate);
    }
  }
  quint16 Port() const { return quint16(base + kTable); }
  RelayPlayer& Player(int seat) { return seat == 1 ? *p1 : *p2; }
  void Pump() {
    p1->Pump();
    p2->Pump();
  }
  // The next pair of programs at the table.
  void NewPlayers() {
    p1 = std::make_unique<RelayPlayer>(1, 11);
    p2 = std::make_unique<RelayPlayer>(2, 23);
  }
  // Both seats held by the players on this machine, joined, and dealt.
  bool SeatBoth() {
    host.Seat(kTable, 1, "Ann");
    host.Seat(kTable, 2, "Bob");
    if (!p1->Connect(Port()) || !p2->Connect(Port())) return false;
    p1->Join();
    p2->Join();
    return RunUntil([this] {
      Pump();
      return p1->Dealt() && p2->Dealt();
    });
  }
  // Both play whatever the game lets them until `stop` holds.
  bool PlayUntil(const std::function<bool()>& stop) {
    return RunUntil([&] {
      Pump();
      if (stop()) return true;
      if (!p1->Act()) p2->Act();
      return false;
    });
  }

  FakeRelayHost host;
  std::vector<QString> log;
  quint16 base = 0;
  std::unique_ptr<TournamentRelay> relay;
  std::unique_ptr<RelayPlayer> p1 = std::make_unique<RelayPlayer>(1, 11);
  std::unique_ptr<RelayPlayer> p2 = std::make_unique<RelayPlayer>(2, 23);
};

// Plays one deal to the end and checks what each side saw; returns seat 1's balance.
int32_t PlayDealToTheEnd(Match& m) {
  EXPECT_TRUE(m.PlayUntil([&] { return m.p1->over && m.p2->over; }));
  EXPECT_EQ(m.p1->Controller().State().Phase, PhaseDealOver);
  EXPECT_EQ(m.p2->Controller().State().Phase, PhaseDealOver);
  // Every move arrived at the other seat as it was sent, with the sender's digit.
  EXPECT_EQ(m.p1->MovesReceived(), m.p2->sent);
  EXPECT_EQ(m.p2->MovesReceived(), m.p1->sent);
  for (const RelayPlayer* p : {m.p1.get(), m.p2.get()}) {
    for (const std::string& frame : p->frames) {
      const bool player = frame[0] == 'h' || frame[0] == 's';
      const char from = player ? char('0' + 3 - p->Seat()) : '0';
      EXPECT_EQ(frame.back(), from) << frame;
    }
  }
  return m.p1->Controller().Balance();
}

TEST(TournamentRelay, RelaysAndRecordsWholeDealsOneAfterAnother) {
  Match m;
  ASSERT_TRUE(m.relay);
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(m.SeatBoth());
    EXPECT_EQ(m.host.started.size(), size_t(round));
    EXPECT_EQ(m.p1->Deck(), m.p2->Deck());
    // Chat goes across without its control bytes and without touching the game.
    m.p2->Send(std::string("shi\x07!"));

    const int32_t balance = PlayDealToTheEnd(m);
    EXPECT_NE(std::find(m.p1->frames.begin(), m.p1->frames.end(), FrameTourMessage("shi!", '2')),
              m.p1->frames.end());
    // The auction went through: seat 2 declares its bid redoubled.
    EXPECT_EQ(m.p1->Controller().State().ContractCode, 4);
    EXPECT_EQ(m.p1->Controller().State().Doubling, 2);
    EXPECT_EQ(m.p2->Controller().Balance(), -balance);
    ASSERT_EQ(m.host.records.size(), size_t(round));
    const MatchRecord& record = m.host.records.back();
    EXPECT_EQ(record.table, kTable);
    EXPECT_EQ(record.nick[0], "Ann");
    EXPECT_EQ(record.nick[1], "Bob");
    EXPECT_EQ(record.balance1, balance);
    EXPECT_EQ(record.forfeit_by, 0);

    // Seat 1 ends the game: the first time it reports the true balance, the second time a
    // better one, which is logged and changes nothing.
    if (round == 1) {
      m.p1->Controller().OnEndButton();
    } else {
      m.p1->Send(TourResultMessage(balance + 150));
    }
    ASSERT_TRUE(RunUntil([&] { return m.p1->Closed() && m.p2->Closed(); }));
    ASSERT_TRUE(RunUntil([&] { return m.host.freed.size() == size_t(2 * round); }));
    EXPECT_EQ(m.log.size(), size_t(round - 1));
    EXPECT_EQ(m.host.records.size(), size_t(round));
    EXPECT_EQ(m.host.records.back().balance1, balance);
    m.NewPlayers();
  }
}

TEST(TournamentRelay, PassedOutDealIsRecordedAtZero) {
  Match m;
  ASSERT_TRUE(m.relay);
  m.p1->call_policy = m.p2->call_policy = [](const GameController&) { return kCallPass; };
  ASSERT_TRUE(m.SeatBoth());
  PlayDealToTheEnd(m);
  ASSERT_EQ(m.host.records.size(), 1u);
  EXPECT_EQ(m.host.records[0].balance1, 0);
  EXPECT_EQ(m.host.records[0].forfeit_by, 0);
}

struct Fault {
  const char* name;
  int offender;
  bool time;  // the winner hears "T" rather than "a"
  std::function<void(Match&)> commit;
};

TEST(TournamentRelay, OffenderLosesByForfeitAndItsMoveGoesNowhere) {
  RelayTimings short_clock;
  short_clock.move_ms = 400;
  short_clock.grace_ms = 100;
  short_clock.linger_ms = 300;
  const Fault faults[] = {
      {"a move out of turn", 2, false, [](Match& m) { m.p2->Send("hhod01"); }},
      {"a card that breaks the follow-suit rule", 2, false,
       [](Match& m) {
         m.p1->Act();  // starts the play
         // Seat 1 leads a suit seat 2 holds beside another one.
         const auto& mine = m.p1->Controller().State().Hand[2];
         const auto& theirs = m.p2->Controller().State().Hand[2];
         int lead = 0;
         for (int i = 1; i <= kHandSlots && lead == 0; ++i) {
           bool follows = false;
           bool other = false;
           for (int j = 1; j <= kHandSlots; ++j) {
             follows |= theirs[size_t(j)].suit == mine[size_t(i)].suit;
             other |= !theirs[size_t(j)].Empty() && theirs[size_t(j)].suit != mine[size_t(i)].suit;
           }
           if (follows && other) lead = i;
         }
         ASSERT_NE(lead, 0);
         ASSERT_TRUE(m.p1->Controller().OnLowerHandClick(lead));
         ASSERT_TRUE(RunUntil([&] {
           m.Pump();
           return m.p2->Controller().State().TrickSlot == 2;
         }));
         int bad = 0;
         for (int i = 1; i <= kHandSlots; ++i)
           if (!theirs[size_t(i)].Empty() && !m.p2->Controller().CanPlayLowerCard(i)) bad = i;
         ASSERT_NE(bad, 0);
         m.p2->Send(TwoDigitMessage("hhod", bad));
       }},
      {"a call below the last bid", 2, false,
       [](Match& m) {
         ASSERT_TRUE(m.PlayUntil([&] {
           return m.p2->Controller().State().Phase == PhaseBidSeat2 &&
                  m.p2->Controller().Auction().Table().HighestBid() > 1;
         }));
         m.p2->Send(TwoDigitMessage("htrg", 1));
       }},
      {"a result before the end", 1, false, [](Match& m) { m.p1->Send(TourResultMessage(50)); }},
      {"a deck from a player", 2, false,
       [](Match& m) {
         const TDealState& state = m.p2->Controller().State();
         m.p2->SendRaw(DeckMessageOf(state.Deck, state.DeckRank));
       }},
      {"an unknown frame", 1, false, [](Match& m) { m.p1->Send("hello"); }},
      {"leaving the seat", 2, false, [](Match& m) { m.p2->Send("disA"); }},
      {"dropping the connection", 2, false, [](Match& m) { m.p2->Disconnect(); }},
      {"its own clock ran out", 1, true, [](Match& m) { m.p1->Send("TOut"); }},
      {"stalling past the clock once the turn passed to it", 2, true,
       [](Match& m) {
         m.p1->Act();
         m.p1->Act();
       }},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    Match m(short_clock);
    ASSERT_TRUE(m.relay);
    ASSERT_TRUE(m.SeatBoth());
    fault.commit(m);
    RelayPlayer& offender = m.Player(fault.offender);
    RelayPlayer& winner = m.Player(3 - fault.offender);
    const size_t moves_before = winner.MovesReceived().size();
    ASSERT_TRUE(RunUntil([&] {
      m.Pump();
      return winner.abandoned || winner.time_up;
    }));
    EXPECT_EQ(winner.time_up, fault.time);
    ASSERT_EQ(m.host.records.size(), 1u);
    EXPECT_EQ(m.host.records[0].forfeit_by, fault.offender);
    EXPECT_TRUE(RunUntil([&] { return offender.Closed(); }));
    // The winner's connection goes a little later, and the match stays recorded once.
    EXPECT_TRUE(RunUntil([&] { return winner.Closed() && m.host.freed.size() == 2; }));
    m.Pump();
    EXPECT_EQ(winner.MovesReceived().size(), moves_before);
    EXPECT_EQ(m.host.records.size(), 1u);
    EXPECT_FALSE(offender.over || winner.over);
  }
}

TEST(TournamentRelay, RefusesConnectionsThatHoldNoSeat) {
  struct Case {
    const char* name;
    std::function<void(Match&, RelayPlayer&)> setup;
    std::function<void(RelayPlayer&)> say;
  };
  const Case cases[] = {
      {"seat held from another address",
       [](Match& m, RelayPlayer&) { m.host.Seat(kTable, 1, "Ann", "10.9.8.7"); },
       [](RelayPlayer& p) { p.Join(); }},
      {"a free seat", [](Match&, RelayPlayer&) {}, [](RelayPlayer& p) { p.Join(); }},
      {"a move before connect", [](Match& m, RelayPlayer&) { m.host.Seat(kTable, 1, "Ann"); },
       [](RelayPlayer& p) { p.Send("hbegin"); }},
      {"the seat already joined",
       [](Match& m, RelayPlayer&) {
         m.host.Seat(kTable, 1, "Ann");
         m.p1->Connect(m.Port());
         m.p1->Join();
         RunUntil([&] { return m.host.connected.size() == 1; });
       },
       [](RelayPlayer& p) { p.Join(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Match m;
    ASSERT_TRUE(m.relay);
    RelayPlayer stranger(1);
    c.setup(m, stranger);
    const size_t joined = m.host.connected.size();
    ASSERT_TRUE(stranger.Connect(m.Port()));
    c.say(stranger);
    EXPECT_TRUE(RunUntil([&] { return stranger.Closed(); }));
    EXPECT_EQ(m.host.connected.size(), joined);
    // Refusing a stranger frees nobody's seat.
    EXPECT_TRUE(m.host.freed.empty());
    EXPECT_EQ(m.p1->Closed(), joined == 0);
  }
}

TEST(TournamentRelay, SilentConnectionIsClosedAndLeavingBeforeTheMatchFreesTheSeat) {
  RelayTimings quick_join;
  quick_join.join_ms = 200;
  Match m(quick_join);
  ASSERT_TRUE(m.relay);
  RelayPlayer silent(2);
  ASSERT_TRUE(silent.Connect(m.Port()));
  m.host.Seat(kTable, 1, "Ann");
  ASSERT_TRUE(m.p1->Connect(m.Port()));
  m.p1->Join();
  ASSERT_TRUE(RunUntil([&] { return silent.Closed(); }));
  // The joined seat is still waiting for its opponent after the same time.
  EXPECT_FALSE(m.p1->Closed());
  ASSERT_EQ(m.host.connected.size(), 1u);

  m.p1->Send("disA");
  ASSERT_TRUE(RunUntil([&] { return m.p1->Closed() && !m.host.freed.empty(); }));
  EXPECT_EQ(m.host.freed[0], std::make_pair(kTable, 1));
  EXPECT_TRUE(m.host.started.empty());
  EXPECT_TRUE(m.host.records.empty());
}

TEST(TournamentRelay, ListenFailsWholeWhenAPortIsTaken) {
  Match first;
  ASSERT_TRUE(first.relay);
  FakeRelayHost host;
  // Its first five ports are free, its sixth is the first relay's table 1.
  TournamentRelay overlapping(host, QHostAddress::LocalHost, quint16(first.base - 5));
  QString error;
  EXPECT_FALSE(overlapping.Listen(&error));
  EXPECT_FALSE(error.isEmpty());
  // Nothing of the failed relay stays open: the ports it took before the taken one are free.
  for (int table = 1; table <= 4; ++table) {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, quint16(first.base - 5 + table))) << table;
  }
}

}  // namespace
}  // namespace quorvex::server
