// What the tournament relay asks of the tournament's tables and standings. The tournament service
// keeps the seats and the players' records; the relay plays the matches and reports on them.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace quorvex::server {

inline constexpr int kTournamentTables = 10;

struct SeatHolder {
  QString nick;
  QString address;  // the address the holder took the seat from
};

struct MatchRecord {
  int table = 0;
  QString nick[2];       // seat 1, seat 2
  int32_t balance1 = 0;  // seat 1's points minus seat 2's in the deal as the relay replayed it
  int forfeit_by = 0;    // 0 played out; 1 or 2: that seat lost (illegal move, time, leaving)
};

class RelayHost {
 public:
  virtual ~RelayHost() = default;
  // The holder of seat 1 or 2 of table 1..10; nullopt while the seat is free.
  virtual std::optional<SeatHolder> Holder(int table, int seat) = 0;
  // The seat's holder joined the relay (its "connect" was accepted).
  virtual void SeatConnected(int table, int seat) = 0;
  // Both seats are joined and the deck went out: the seats stay taken until the match ends.
  virtual void MatchStarted(int table) = 0;
  // A decided match, stored for both players in one transaction before anyone is told.
  virtual void RecordMatch(const MatchRecord& match) = 0;
  // The seat's relay connection ended (left, lost, refused, or the match is over): the seat is
  // free again.
  virtual void FreeSeat(int table, int seat) = 0;
};

}  // namespace quorvex::server
