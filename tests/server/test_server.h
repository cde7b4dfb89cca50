// The server as a real process on a free loopback port with a fresh data folder. With
// QUORVEX_TEST_DATABASE=postgres (inside pg_virtualenv) it keeps its data in PostgreSQL, emptied
// for each test.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <string>

#include "online/account_records.h"

namespace quorvex {

inline const QString kServer = QStringLiteral(QUORVEX_BIN_DIR "/quorvex-server");

bool OnPostgres();
QString PostgresUrl();
// Drops every table the server makes, so that the next server makes them again.
void EmptyPostgres();
quint16 FreePort();
// A base port whose ten tournament tables' ports (base + 1 .. base + 10) are free.
quint16 FreeRelayBase();

// A member from Riga as the account window registers one.
inline TZefUser RigaMember(const std::string& nick, const std::string& password) {
  TZefUser user;
  user.Nick = nick;
  user.Pw = password;
  user.City = "Riga";
  user.Country1 = "Latvia";
  user.Country2 = "1-026";
  user.Sex = 'W';
  user.EMail = "anna@x.lv";
  user.DateR = "05.03.2024";
  user.R01 = user.R02 = user.R03 = "xxx";
  return user;
}

class Server {
 public:
  explicit Server(QStringList extra = {});
  // A server on a data folder of the caller's, such as one a killed server left behind.
  Server(const QString& data_dir, QStringList extra);
  ~Server();
  bool Started() const { return started_; }
  std::string Url(const char* path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  QProcess& Process() { return process_; }
  QString DataDir() const { return data_dir_; }
  quint16 Port() const { return port_; }

  // The first value of a query on the server's database (SQLite file or PostgreSQL), read or
  // written beside the server; an invalid value when the query fails.
  QVariant Query(const QString& sql, const QVariantList& values = {}) const;

 private:
  void Start(QStringList extra);

  QTemporaryDir data_;
  QString data_dir_;
  quint16 port_;
  QProcess process_;
  bool started_ = false;
};

}  // namespace quorvex
