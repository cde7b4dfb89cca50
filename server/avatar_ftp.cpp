#include "avatar_ftp.h"

#include <sys/prctl.h>

#include <csignal>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quorvex::server {

AvatarFtp::~AvatarFtp() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(5000)) process_.kill();
  process_.waitForFinished(1000);
}

bool AvatarFtp::Start(const QString& listen, const QString& data_dir, const QString& account_url,
                      QString* error) {
  const QString script = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("quorvex-avatar-ftp.py"));
  // Debian's interpreter, which has Debian's pyftpdlib, whatever else is first on the path.
  const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
                             ? QStringLiteral("/usr/bin/python3")
                             : QStringLiteral("python3");
  const QDir data(data_dir);
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // The door closes with the server, however the server ends.
  process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
  process_.start(python, {script, QStringLiteral("--listen"), listen, QStringLiteral("--avatars"),
                          data.filePath(QStringLiteral("avatars")), QStringLiteral("--incoming"),
                          data.filePath(QStringLiteral("avatars-incoming")),
                          QStringLiteral("--account"), account_url});
  QByteArray said;
  while (!said.contains('\n') && process_.waitForReadyRead(10000))
    said += process_.readAllStandardOutput();
  if (said.contains("listening")) return true;
  process_.waitForFinished(2000);
  *error = QStringLiteral(
               "the picture FTP service did not start on %1 (is python3-pyftpdlib "
               "installed, is the port free?)")
               .arg(listen);
  return false;
}

QString LocalAccountUrl(const QHostAddress& host, quint16 port) {
  const bool any =
      host == QHostAddress::Any || host == QHostAddress::AnyIPv4 || host == QHostAddress::AnyIPv6;
  QString name = any ? QStringLiteral("127.0.0.1") : host.toString();
  if (host.protocol() == QAbstractSocket::IPv6Protocol && !any)
    name = QLatin1Char('[') + name + QLatin1Char(']');
  return QStringLiteral("http://%1:%2/account.php").arg(name).arg(port);
}

}  // namespace quorvex::server
