#include "tournament_seats.h"

#include <QHostAddress>

namespace quorvex::server {
namespace {

bool Loopback(const QString& address) {
  return QHostAddress(address).isLoopback();
}

}  // namespace

void TournamentSeats::Expire(qint64 now_ms) {
  for (int t = 1; t <= kTournamentTables; ++t)
    for (int s = 1; s <= 2; ++s) {
      const Seat& seat = SeatAt(t, s);
      if (seat.holder && !seat.joined && now_ms - seat.taken_ms >= kJoinMs) Release(t, s);
    }
}

const Occupant* TournamentSeats::At(int table, int seat) const {
  if (!Valid(table, seat)) return nullptr;
  const auto& holder = tables_[size_t(table - 1)].seat[seat - 1].holder;
  return holder ? &*holder : nullptr;
}

TakeResult TournamentSeats::Take(int table, int seat, const Occupant& who, qint64 now_ms) {
  if (!Valid(table, seat)) return TakeResult::Refused;
  const Seat& wanted = SeatAt(table, seat);
  if (wanted.holder && wanted.holder->member_id != who.member_id) return TakeResult::Held;
  for (int t = 1; t <= kTournamentTables; ++t)
    for (int s = 1; s <= 2; ++s)
      if (const Occupant* o = At(t, s); o && o->member_id == who.member_id)
        return TakeResult::Refused;
  if (Running(table)) return TakeResult::Refused;
  const Occupant* other = At(table, 3 - seat);
  if (seat == 2 && !other) return TakeResult::Refused;
  // One player must not play both seats, whichever is taken first; two windows on this machine
  // are tests and practice.
  if (other && other->address == who.address &&
      !(Loopback(other->address) && Loopback(who.address)))
    return TakeResult::Refused;
  Seat& taken = SeatAt(table, seat);
  taken.holder = who;
  taken.taken_ms = now_ms;
  taken.joined = false;
  return TakeResult::Taken;
}

bool TournamentSeats::Leave(int table, int seat, qint64 member_id) {
  const Occupant* o = At(table, seat);
  if (!o || o->member_id != member_id || Running(table)) return false;
  Release(table, seat);
  return true;
}

void TournamentSeats::Joined(int table, int seat) {
  if (At(table, seat)) SeatAt(table, seat).joined = true;
}

void TournamentSeats::Started(int table) {
  if (Valid(table, 1)) tables_[size_t(table - 1)].running = true;
}

void TournamentSeats::Ended(int table, int seat) {
  if (At(table, seat) && SeatAt(table, seat).joined) Release(table, seat);
}

bool TournamentSeats::Running(int table) const {
  return Valid(table, 1) && tables_[size_t(table - 1)].running;
}

void TournamentSeats::Release(int table, int seat) {
  Seat& s = SeatAt(table, seat);
  s.holder.reset();
  s.joined = false;
  Table& t = tables_[size_t(table - 1)];
  // The match is over once nobody sits at its table.
  if (!t.seat[0].holder && !t.seat[1].holder) t.running = false;
}

}  // namespace quorvex::server
