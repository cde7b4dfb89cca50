#include "tournament_relay.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <cstdio>

#include "relay_table.h"

namespace quorvex::server {

TournamentRelay::TournamentRelay(RelayHost& host, QHostAddress address, quint16 base_port)
    : host_(host), address_(std::move(address)), base_port_(base_port) {
  log_ = [](const QString& line) {
    std::fprintf(stderr, "quorvex-server: relay: %s\n", qPrintable(line));
  };
}

TournamentRelay::~TournamentRelay() = default;

bool TournamentRelay::Listen(QString* error) {
  tables_.clear();
  servers_.clear();
  for (int table = 1; table <= kTournamentTables; ++table) {
    const int port = int(base_port_) + table;
    auto server = std::make_unique<QTcpServer>();
    if (port > 65535 || !server->listen(address_, quint16(port))) {
      if (error)
        *error = QStringLiteral("relay port %1 of table %2: %3")
                     .arg(port)
                     .arg(table)
                     .arg(port > 65535 ? QStringLiteral("out of range") : server->errorString());
      tables_.clear();
      servers_.clear();
      return false;
    }
    auto relay_table = std::make_unique<RelayTable>(host_, table, timings_, log_, random_);
    QTcpServer* listening = server.get();
    RelayTable* target = relay_table.get();
    QObject::connect(listening, &QTcpServer::newConnection, target, [listening, target] {
      while (QTcpSocket* socket = listening->nextPendingConnection()) target->Adopt(socket);
    });
    servers_.push_back(std::move(server));
    tables_.push_back(std::move(relay_table));
  }
  return true;
}

}  // namespace quorvex::server
