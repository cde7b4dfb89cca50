// The listening socket of the HTTP side. Qt's HTTP server keeps a whole request body in memory
// before anyone may look at it, so a client could make the server hold gigabytes; this server
// watches each connection's bytes as they come and refuses a request whose head or declared body
// is too long, before it is read. A request's head and body must also come within a time limit,
// so that clients sending a byte now and then cannot hold the server's connections for ever; a
// connection waiting between requests, or receiving a long answer, has no limit.
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

  static constexpr int kDefaultRequestMs = 20000;

  GuardedTcpServer(qint64 max_body, RefusalLog log, int request_ms = kDefaultRequestMs,
                   QObject* parent = nullptr);

 protected:
  void incomingConnection(qintptr descriptor) override;

 private:
  qint64 max_body_;
  RefusalLog log_;
  int request_ms_;
};

}  // namespace quorvex::server
