// The socket of a LAN game: the server listens on the LAN port and serves its first
// connection only; the client connects to the server's address. Whatever arrives is handed on
// as it came; a socket error is kept as a flag, never shown.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

#include "game/platform.h"

class QTcpServer;
class QTcpSocket;

namespace quorvex {

class LanConnection : public QObject, public PeerLink {
  Q_OBJECT

 public:
  explicit LanConnection(QObject* parent = nullptr);
  ~LanConnection() override;

  // Server: listens on all addresses; false when the port cannot be opened.
  bool Listen(quint16 port);
  // Client: starts connecting; Joined or Failed tells how it went.
  void ConnectTo(const QString& address, quint16 port);
  // Switches the sockets off.
  void Close();

  bool Connected() const;
  bool Failed() const { return failed_; }
  quint16 ListeningPort() const;

  void SendMessage(const std::string& message) override;

 signals:
  // A peer socket is open: the client's first words can go.
  void Joined();
  void BytesArrived(const QByteArray& bytes);
  // The other machine went away, or the connection could not be made.
  void Lost();

 private:
  void Adopt(QTcpSocket* socket);

  QTcpServer* server_ = nullptr;
  QPointer<QTcpSocket> socket_;
  bool failed_ = false;
  bool joined_ = false;
};

}  // namespace quorvex
