#include "ui/table/lan_connection.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace quorvex {

LanConnection::LanConnection(QObject* parent) : QObject(parent) {}

LanConnection::~LanConnection() {
  Close();
}

bool LanConnection::Listen(quint16 port) {
  Close();
  failed_ = false;
  server_ = new QTcpServer(this);
  if (!server_->listen(QHostAddress::Any, port)) {
    delete server_;
    server_ = nullptr;
    failed_ = true;
    return false;
  }
  connect(server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* incoming = server_->nextPendingConnection()) {
      // Only the first player to arrive is served.
      if (socket_) {
        incoming->abort();
        incoming->deleteLater();
        continue;
      }
      Adopt(incoming);
      joined_ = true;
      emit Joined();
    }
  });
  return true;
}

void LanConnection::ConnectTo(const QString& address, quint16 port) {
  Close();
  failed_ = false;
  auto* socket = new QTcpSocket(this);
  Adopt(socket);
  connect(socket, &QTcpSocket::connected, this, [this, socket] {
    if (socket != socket_) return;
    joined_ = true;
    emit Joined();
  });
  socket->connectToHost(address, port);
}

void LanConnection::Adopt(QTcpSocket* socket) {
  socket_ = socket;
  socket->setParent(this);
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
    if (socket == socket_) emit BytesArrived(socket->readAll());
  });
  connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
    if (socket != socket_ || !joined_) return;
    joined_ = false;
    emit Lost();
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
    if (socket != socket_) return;
    // Swallowed: the waiting dialog and the game learn of it through the flag and Lost. A
    // connection that was made reports its end through its disconnection.
    failed_ = true;
    if (!joined_) emit Lost();
  });
}

void LanConnection::Close() {
  joined_ = false;
  if (socket_) {
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
  }
  if (server_) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
}

bool LanConnection::Connected() const {
  return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

quint16 LanConnection::ListeningPort() const {
  return server_ ? server_->serverPort() : 0;
}

void LanConnection::SendMessage(const std::string& message) {
  if (!Connected()) return;
  socket_->write(message.data(), qint64(message.size()));
  socket_->flush();
}

}  // namespace quorvex
