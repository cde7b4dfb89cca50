#include "guarded_tcp_server.h"

#include <QList>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace quorvex::server {
namespace {

constexpr qsizetype kMaxHead = 16 * 1024;

// Where a connection stands in its stream of requests. The HTTP server reads everything that has
// arrived each time the socket has news, after this watcher has peeked at it.
struct Watch {
  enum class Part { Head, Body, Refused } part = Part::Head;
  QByteArray head;
  qint64 body_left = 0;
};

QByteArray HeaderValue(const QByteArray& head, const QByteArray& name) {
  for (const QByteArray& line : head.split('\n')) {
    const qsizetype colon = line.indexOf(':');
    if (colon > 0 && line.left(colon).trimmed().toLower() == name)
      return line.mid(colon + 1).trimmed();
  }
  return {};
}

QByteArray Refusal(int status) {
  const QByteArray reason = status == 413   ? QByteArrayLiteral("Payload Too Large")
                            : status == 411 ? QByteArrayLiteral("Length Required")
                            : status == 408 ? QByteArrayLiteral("Request Timeout")
                                            : QByteArrayLiteral("Request Header Fields Too Large");
  return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
         "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

// The status to refuse a finished head with, or 0 to let its request through.
int Judge(const QByteArray& head, qint64 max_body, qint64* body) {
  // Bodies sent in chunks have no length to judge before they are read; the game never sends one.
  if (!HeaderValue(head, "transfer-encoding").isEmpty()) return 411;
  const QByteArray length = HeaderValue(head, "content-length");
  if (length.isEmpty()) {
    *body = 0;
    return 0;
  }
  bool ok = false;
  *body = length.toLongLong(&ok);
  if (!ok || *body < 0) return 411;
  return *body > max_body ? 413 : 0;
}

}  // namespace

GuardedTcpServer::GuardedTcpServer(qint64 max_body, RefusalLog log, int request_ms, QObject* parent)
    : QTcpServer(parent), max_body_(max_body), log_(std::move(log)), request_ms_(request_ms) {}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
  auto* socket = new QTcpSocket(this);
  if (!socket->setSocketDescriptor(descriptor)) {
    delete socket;
    return;
  }
  auto watch = std::make_shared<Watch>();
  // The clock of the request that is coming in: from the connection, or from a next request's
  // first byte, to the end of its body.
  auto* deadline = new QTimer(socket);
  deadline->setSingleShot(true);
  deadline->setInterval(request_ms_);
  const auto refuse = [this, socket, watch, deadline](int status) {
    // Nothing of this request reaches the HTTP server; the connection ends after the answer.
    deadline->stop();
    watch->part = Watch::Part::Refused;
    socket->readAll();
    socket->write(Refusal(status));
    socket->disconnectFromHost();
    if (log_) log_(socket->peerAddress(), watch->head.left(watch->head.indexOf('\r')), status);
  };
  connect(deadline, &QTimer::timeout, socket, [refuse] { refuse(408); });
  deadline->start();
  // Connected before the HTTP server takes the socket, so this runs first on every arrival.
  connect(socket, &QTcpSocket::readyRead, socket, [this, socket, watch, deadline, refuse] {
    if (watch->part == Watch::Part::Refused) {
      socket->readAll();
      return;
    }
    const QByteArray fresh = socket->peek(socket->bytesAvailable());
    qsizetype at = 0;
    while (at < fresh.size()) {
      if (watch->part == Watch::Part::Body) {
        const qint64 take = std::min<qint64>(watch->body_left, fresh.size() - at);
        watch->body_left -= take;
        at += qsizetype(take);
        if (watch->body_left == 0) {
          watch->part = Watch::Part::Head;
          deadline->stop();
        }
        continue;
      }
      if (watch->head.isEmpty() && !deadline->isActive()) deadline->start();
      const qsizetype before = watch->head.size();
      watch->head += fresh.mid(at, kMaxHead + 4 - before);
      const qsizetype end = watch->head.indexOf("\r\n\r\n", std::max<qsizetype>(0, before - 3));
      int status = 0;
      if (end < 0) {
        if (watch->head.size() <= kMaxHead) return;
        status = 431;
      } else {
        at += end + 4 - before;
        watch->head.truncate(end);
        status = Judge(watch->head, max_body_, &watch->body_left);
        if (status == 0) {
          watch->part = watch->body_left > 0 ? Watch::Part::Body : Watch::Part::Head;
          watch->head.clear();
          if (watch->part == Watch::Part::Head) deadline->stop();
          continue;
        }
      }
      refuse(status);
      return;
    }
  });
  addPendingConnection(socket);
}

}  // namespace quorvex::server
