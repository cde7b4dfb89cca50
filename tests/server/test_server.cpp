#include "server/test_server.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QUrl>
#include <QUuid>

namespace quorvex {
namespace {

QSqlDatabase OpenPostgres(const QString& name) {
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
  const QUrl url(PostgresUrl());
  db.setHostName(url.host());
  db.setPort(url.port());
  db.setUserName(url.userName());
  db.setPassword(url.password());
  db.setDatabaseName(url.path().mid(1));
  db.open();
  return db;
}

}  // namespace

bool OnPostgres() {
  return qgetenv("QUORVEX_TEST_DATABASE") == "postgres";
}

QString PostgresUrl() {
  const QByteArray port = qgetenv("PGPORT");
  return QStringLiteral("postgresql://%1:%2@%3:%4/%5")
      .arg(QString::fromLocal8Bit(qgetenv("PGUSER")), QString::fromLocal8Bit(qgetenv("PGPASSWORD")),
           QString::fromLocal8Bit(qgetenv("PGHOST")),
           port.isEmpty() ? QStringLiteral("5432") : QString::fromLocal8Bit(port),
           QString::fromLocal8Bit(qgetenv("PGDATABASE")));
}

void EmptyPostgres() {
  const QString name = QUuid::createUuid().toString();
  {
    QSqlDatabase db = OpenPostgres(name);
    QSqlQuery(db).exec(QStringLiteral("SET client_min_messages = warning"));
    QSqlQuery(db).exec(
        QStringLiteral("DROP TABLE IF EXISTS records, stats, schema_version, sessions, "
                       "game_records, profiles, balances, tournament_standings, members CASCADE"));
  }
  QSqlDatabase::removeDatabase(name);
}

quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

quint16 FreeRelayBase() {
  // Below the system's range of passing ports, so that no client socket of a test running beside
  // this one lands on a table's port.
  for (int attempt = 0; attempt < 50; ++attempt) {
    const quint16 base = quint16(20000 + QRandomGenerator::global()->bounded(12000));
    bool free = true;
    for (int table = 1; table <= 10 && free; ++table) {
      QTcpServer probe;
      free = probe.listen(QHostAddress::LocalHost, quint16(base + table));
    }
    if (free) return base;
  }
  return 0;
}

Server::Server(QStringList extra) : data_dir_(data_.path()), port_(FreePort()) {
  Start(std::move(extra));
}

Server::Server(const QString& data_dir, QStringList extra)
    : data_(QDir::tempPath() + QStringLiteral("/quorvex-unused-XXXXXX")),
      data_dir_(data_dir),
      port_(FreePort()) {
  Start(std::move(extra));
}

void Server::Start(QStringList extra) {
  QStringList args{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port_),
                   QStringLiteral("--data"),   data_dir_,
                   QStringLiteral("--base"),   QStringLiteral("http://127.0.0.1:%1").arg(port_)};
  if (OnPostgres()) args << QStringLiteral("--database") << PostgresUrl();
  args << extra;
  process_.start(kServer, args);
  process_.waitForReadyRead(10000);
  started_ = process_.readAllStandardOutput().contains("listening");
}

Server::~Server() {
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    process_.waitForFinished(5000);
  }
}

QVariant Server::Query(const QString& sql, const QVariantList& values) const {
  const QString name = QUuid::createUuid().toString();
  QVariant result;
  {
    QSqlDatabase db;
    if (OnPostgres()) {
      db = OpenPostgres(name);
    } else {
      db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
      db.setDatabaseName(QDir(data_dir_).filePath(QStringLiteral("quorvex.sqlite")));
      db.open();
      QSqlQuery(db).exec(QStringLiteral("PRAGMA busy_timeout=5000"));
    }
    QSqlQuery q(db);
    // PostgreSQL prepares no schema changes: a statement without values runs as it stands.
    bool done = false;
    if (values.isEmpty()) {
      done = q.exec(sql);
    } else {
      q.prepare(sql);
      for (const QVariant& value : values) q.addBindValue(value);
      done = q.exec();
    }
    if (done && q.next()) result = q.value(0);
  }
  QSqlDatabase::removeDatabase(name);
  return result;
}

}  // namespace quorvex
