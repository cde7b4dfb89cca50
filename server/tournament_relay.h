// The tournament relay: ten tables, each on its own port (base port + table number), in the
// server's one event loop. It lets a table's two seat holders join, deals them one deal, passes
// every move the game's rules allow from one seat to the other, keeps the move clock, and reports
// each decided match to the tournament.
#pragma once

#include <QHostAddress>
#include <QString>
#include <memory>
#include <vector>

#include "game/platform.h"
#include "relay_host.h"
#include "relay_timings.h"

class QTcpServer;

namespace quorvex::server {

class RelayTable;

class TournamentRelay {
 public:
  TournamentRelay(RelayHost& host, QHostAddress address, quint16 base_port);
  ~TournamentRelay();
  TournamentRelay(const TournamentRelay&) = delete;
  TournamentRelay& operator=(const TournamentRelay&) = delete;

  // Opens the ports base + 1 .. base + 10; false with the reason when one cannot be opened
  // (then none stays open).
  bool Listen(QString* error);

  // Shorter clocks for tests; before Listen.
  void SetTimings(const RelayTimings& timings) { timings_ = timings; }
  // Where the lines about results that disagree with the replay go; stderr by default.
  void SetLog(RelayLog log) { log_ = std::move(log); }

 private:
  RelayHost& host_;
  QHostAddress address_;
  quint16 base_port_;
  RelayTimings timings_;
  RelayLog log_;
  SystemRandom random_;
  // Tables go before their listening sockets.
  std::vector<std::unique_ptr<QTcpServer>> servers_;
  std::vector<std::unique_ptr<RelayTable>> tables_;
};

}  // namespace quorvex::server
