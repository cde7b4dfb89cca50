// The ten tables of the tournament and who sits at them, kept in memory (a restart empties
// them). Who may take, leave or free a seat is decided here; the tournament service checks who
// asks, the relay reports who joined and when a match starts and ends.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "relay_host.h"
#include "tournament_rules.h"

namespace quorvex::server {

struct Occupant {
  qint64 member_id = 0;
  QByteArray nick, country, city, sex;
  Standing standing;
  QString address;  // where the seat was taken from
};

enum class TakeResult { Taken, Held, Refused };

class TournamentSeats {
 public:
  // A seat taken but not joined on the relay this long is free again.
  static constexpr qint64 kJoinMs = 60'000;

  static bool Valid(int table, int seat) {
    return table >= 1 && table <= kTournamentTables && (seat == 1 || seat == 2);
  }

  // Frees the seats whose holders did not join in time.
  void Expire(qint64 now_ms);

  const Occupant* At(int table, int seat) const;
  // A free seat (not at a table whose match runs) to a member who sits nowhere; seat 2 only
  // beside a seat 1 holder, and never beside a holder from the same address (two players on
  // this machine excepted).
  TakeResult Take(int table, int seat, const Occupant& who, qint64 now_ms);
  // Its holder leaves, unless the table's match runs.
  bool Leave(int table, int seat, qint64 member_id);
  void Joined(int table, int seat);
  void Started(int table);
  // The relay ends a joined seat; a seat whose holder has not joined is not the relay's to free.
  void Ended(int table, int seat);
  bool Running(int table) const;

 private:
  struct Seat {
    std::optional<Occupant> holder;
    qint64 taken_ms = 0;
    bool joined = false;
  };
  struct Table {
    Seat seat[2];
    bool running = false;
  };
  Seat& SeatAt(int table, int seat) { return tables_[size_t(table - 1)].seat[seat - 1]; }
  void Release(int table, int seat);

  std::array<Table, kTournamentTables> tables_;
};

}  // namespace quorvex::server
