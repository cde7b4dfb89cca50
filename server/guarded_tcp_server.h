// The listening socket of the HTTP side. Qt's HTTP server keeps a whole request body in memory
// before anyone may look at it, so a client could make the server hold gigabytes; this server
// watches each connection's bytes as they come and refuses a request whose head or declared body
// is too long, before it is read.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <functional>

namespace quorvex::server {

class GuardedTcpServer : public QTcpServer {
 public:
  // Told of every refusal: the caller's address, the request line as far as it came, the status.
  using RefusalLog = std::function<void(const QHostAddress&, const QByteArray&, int)>;

  GuardedTcpServer(qint64 max_body, RefusalLog log, QObject* parent = nullptr);

 protected:
  void incomingConnection(qintptr descriptor) override;

 private:
  qint64 max_body_;
  RefusalLog log_;
};

}  // namespace quorvex::server
