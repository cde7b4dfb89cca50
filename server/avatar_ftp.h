// The FTP door of the club's pictures: Debian's pyftpdlib running the script beside the server
// binary, as a child process that lives as long as the server.
#pragma once

#include <QHostAddress>
#include <QProcess>
#include <QString>

namespace quorvex::server {

class AvatarFtp {
 public:
  AvatarFtp() = default;
  ~AvatarFtp();
  AvatarFtp(const AvatarFtp&) = delete;
  AvatarFtp& operator=(const AvatarFtp&) = delete;

  // Starts the door on `listen` (host:port) for the data folder's avatars, checking passwords
  // with the account service at `account_url`; false with a one-line reason when it does not
  // come up.
  bool Start(const QString& listen, const QString& data_dir, const QString& account_url,
             QString* error);

 private:
  QProcess process_;
};

// The address at which this server's own account service is reached from the same machine.
QString LocalAccountUrl(const QHostAddress& host, quint16 port);

}  // namespace quorvex::server
