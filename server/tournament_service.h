// The tournament service: the tables and the server's state, the seats, the players' standings,
// places and top tens, in the reply layouts the game's lobby cuts; and the relay's side of the
// tables (RelayHost). A seat is filled from the server's own records of the logged-in member and
// the address the request came from, never from what the request says about the player. Anything
// else is refused with "no#" and changes nothing.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "account_store.h"
#include "form.h"
#include "relay_host.h"
#include "session_cookie.h"
#include "storage.h"
#include "tournament_seats.h"
#include "tournament_store.h"

namespace quorvex::server {

class TournamentService : public RelayHost {
 public:
  // Milliseconds of a steady clock; tests set their own.
  using Clock = std::function<qint64()>;

  // `relay_host` and `relay_port`: players reach table t at relay_host, port relay_port + t.
  // Port 0: there is no relay and the tournament is closed.
  TournamentService(Storage& storage, AccountStore& accounts, QString relay_host,
                    quint16 relay_port, Clock clock = {});

  QByteArray Handle(const Form& form, const Caller& caller);

  std::optional<SeatHolder> Holder(int table, int seat) override;
  void SeatConnected(int table, int seat) override;
  void MatchStarted(int table) override;
  void RecordMatch(const MatchRecord& match) override;
  void FreeSeat(int table, int seat) override;

 private:
  bool Open() const { return relay_port_ != 0; }
  QByteArray Tables(const Caller& caller);
  QByteArray ServerInfo() const;
  QByteArray SeatRequest(const Form& form, int seat, const Caller& caller);
  QByteArray ReadSeat(const Form& form, int seat, const Caller& caller);
  QByteArray ReadRating(const Form& form);
  QByteArray Place(RankKind kind, const Form& form, const char* field);
  QByteArray TopTen(RankKind kind);
  // The eight fields of a seat as a caller may see them.
  QList<QByteArray> SeatFields(int table, int seat, const Caller& caller) const;
  qint64 Now();

  AccountStore& accounts_;
  TournamentStore standings_;
  TournamentSeats seats_;
  QString relay_host_;
  quint16 relay_port_;
  Clock clock_;
};

}  // namespace quorvex::server
