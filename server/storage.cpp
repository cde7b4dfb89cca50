#include "storage.h"

#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include "account_store.h"
#include "tournament_store.h"
#include "transaction.h"

namespace quorvex::server {
namespace {

constexpr int kSchemaVersion = 3;
// Server processes sharing one PostgreSQL database tell each other of their writes on this
// channel, so that none of them answers from a list it remembers from before the write.
const QString kWriteChannel = QStringLiteral("quorvex_records");

QSqlDatabase Db(const QString& connection) {
  return QSqlDatabase::database(connection, false);
}

Entry EntryFrom(const QSqlQuery& q) {
  Entry e;
  e.rid = q.value(0).toLongLong();
  e.gid = q.value(1).toLongLong();
  e.score = q.value(2).toLongLong();
  e.nick = q.value(3).toByteArray();
  e.country = q.value(4).toByteArray();
  e.city = q.value(5).toByteArray();
  e.r07 = q.value(6).toByteArray();
  e.r08 = q.value(7).toByteArray();
  e.r09 = q.value(8).toByteArray();
  e.r10 = q.value(9).toByteArray();
  return e;
}

}  // namespace

Storage::Storage() : connection_(QUuid::createUuid().toString()) {}

Storage::~Storage() {
  insert_.reset();
  rank_.reset();
  {
    QSqlDatabase db = Db(connection_);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

bool Storage::Open(const QString& data_dir, const QString& database_url, QString* error) {
  if (database_url.isEmpty()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(QDir(data_dir).filePath(QStringLiteral("quorvex.sqlite")));
    if (!db.open()) {
      *error =
          QStringLiteral("cannot open the database in %1: %2").arg(data_dir, db.lastError().text());
      return false;
    }
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    pragma.exec(QStringLiteral("PRAGMA busy_timeout=5000"));
  } else {
    const QUrl url(database_url);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") &&
                           url.scheme() != QLatin1String("postgres"))) {
      *error = QStringLiteral("not a postgresql:// address: %1").arg(database_url);
      return false;
    }
    postgres_ = true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    if (!db.isValid()) {
      *error = QStringLiteral("the PostgreSQL driver of Qt is not installed");
      return false;
    }
    db.setHostName(url.host().isEmpty() ? QStringLiteral("localhost") : url.host());
    if (url.port() > 0) db.setPort(url.port());
    db.setUserName(url.userName());
    db.setPassword(url.password());
    db.setDatabaseName(url.path().mid(1));
    db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    if (!db.open()) {
      *error = QStringLiteral("cannot reach the database %1: %2")
                   .arg(url.toString(QUrl::RemovePassword), db.lastError().text().simplified());
      return false;
    }
  }
  return Migrate(error) && (!postgres_ || ListenForWrites(error));
}

QSqlDatabase Storage::Database() const {
  return Db(connection_);
}

void Storage::OnListChanged(std::function<void(qint64)> changed) {
  changed_ = std::move(changed);
}

bool Storage::ListenForWrites(QString* error) {
  QSqlDriver* driver = Db(connection_).driver();
  if (!driver->subscribeToNotification(kWriteChannel)) {
    *error = QStringLiteral("cannot listen for the writes of other servers: %1")
                 .arg(driver->lastError().text().simplified());
    return false;
  }
  // Our own writes come back too; they were told of as they were made.
  QObject::connect(
      driver, &QSqlDriver::notification, driver,
      [this](const QString& name, QSqlDriver::NotificationSource source, const QVariant& payload) {
        bool ok = false;
        const qint64 gid = payload.toString().toLongLong(&ok);
        if (name == kWriteChannel && source != QSqlDriver::SelfSource && ok && changed_)
          changed_(gid);
      });
  return true;
}

bool Storage::Migrate(QString* error) {
  QSqlDatabase db = Db(connection_);
  const QString blob = postgres_ ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
  const QString key = postgres_ ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
  QSqlQuery q(db);
  if (!q.exec(
          QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"))) {
    *error = QStringLiteral("cannot make the schema: %1").arg(q.lastError().text());
    return false;
  }
  int version = 0;
  if (q.exec(QStringLiteral("SELECT version FROM schema_version")) && q.next())
    version = q.value(0).toInt();
  if (version >= kSchemaVersion) return true;
  const bool ok = InTransaction(db, [&] {
    QSqlQuery m(db);
    QStringList steps;
    if (version < 1) {
      QString stats = QStringLiteral(
          "CREATE TABLE IF NOT EXISTS stats (gid BIGINT PRIMARY KEY, starts BIGINT NOT NULL, "
          "installs BIGINT NOT NULL, likes BIGINT NOT NULL, last_like %1");
      for (int i = 1; i <= 12; ++i) stats += QStringLiteral(", r%1 BIGINT NOT NULL").arg(i);
      stats += QLatin1Char(')');
      steps << QStringLiteral(
                   "CREATE TABLE IF NOT EXISTS records (rid %1, gid BIGINT NOT NULL, score BIGINT "
                   "NOT NULL, nick %2 NOT NULL, country %2 NOT NULL, city %2 NOT NULL, r07 %2 NOT "
                   "NULL, r08 %2 NOT NULL, r09 %2 NOT NULL, r10 %2 NOT NULL)")
                   .arg(key, blob)
            << QStringLiteral(
                   "CREATE INDEX IF NOT EXISTS records_rank ON records (gid, score DESC, rid)")
            << QStringLiteral(
                   "CREATE INDEX IF NOT EXISTS records_owner ON records (gid, nick, city)")
            << stats.arg(blob);
    }
    if (version < 2) steps << AccountStore::SchemaSteps(postgres_);
    if (version < 3) steps << TournamentStore::SchemaSteps(postgres_);
    for (const QString& step : steps)
      if (!m.exec(step)) {
        *error = QStringLiteral("cannot make the schema: %1").arg(m.lastError().text());
        return false;
      }
    m.exec(QStringLiteral("DELETE FROM schema_version"));
    m.prepare(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"));
    m.addBindValue(kSchemaVersion);
    return m.exec();
  });
  if (!ok && error->isEmpty()) *error = QStringLiteral("cannot make the schema");
  return ok;
}

std::optional<qint64> Storage::WriteEntry(const Entry& e, const std::function<bool(qint64)>& also) {
  QSqlDatabase db = Db(connection_);
  if (!insert_) {
    insert_ = std::make_unique<QSqlQuery>(db);
    insert_->prepare(QStringLiteral(
        "INSERT INTO records (gid, score, nick, country, city, r07, r08, r09, r10) VALUES "
        "(?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING rid"));
    rank_ = std::make_unique<QSqlQuery>(db);
    QString rank = QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM records WHERE gid = ? AND (score > ? OR (score = ? AND "
        "rid < ?)))");
    // The other servers are told with the commit, never of a write that is rolled back.
    if (postgres_) rank += QStringLiteral(", pg_notify('%1', ?)").arg(kWriteChannel);
    rank_->prepare(rank);
  }
  qint64 place = 0;
  const bool ok = InTransaction(db, [&] {
    const QVariant values[] = {QVariant(e.gid),     QVariant(e.score), QVariant(e.nick),
                               QVariant(e.country), QVariant(e.city),  QVariant(e.r07),
                               QVariant(e.r08),     QVariant(e.r09),   QVariant(e.r10)};
    for (int i = 0; i < 9; ++i) insert_->bindValue(i, values[i]);
    if (!insert_->exec() || !insert_->next()) return false;
    const qint64 rid = insert_->value(0).toLongLong();
    insert_->finish();
    rank_->bindValue(0, e.gid);
    rank_->bindValue(1, e.score);
    rank_->bindValue(2, e.score);
    rank_->bindValue(3, rid);
    if (postgres_) rank_->bindValue(4, QString::number(e.gid));
    if (!rank_->exec() || !rank_->next()) return false;
    place = rank_->value(0).toLongLong() + 1;
    rank_->finish();
    return !also || also(place);
  });
  if (!ok) return std::nullopt;
  if (changed_) changed_(e.gid);
  return place;
}

std::optional<std::vector<Entry>> Storage::Best(qint64 gid, int limit, const QByteArray* nick,
                                                const QByteArray* city) {
  QSqlDatabase db = Db(connection_);
  QSqlQuery q(db);
  const QString columns =
      QStringLiteral("rid, gid, score, nick, country, city, r07, r08, r09, r10");
  if (nick && city) {
    // The player's own entries with their places in the whole list.
    q.prepare(QStringLiteral("SELECT %1, (SELECT COUNT(*) FROM records o WHERE o.gid = r.gid AND "
                             "(o.score > r.score OR (o.score = r.score AND o.rid < r.rid))) + 1 "
                             "FROM records r WHERE gid = ? AND nick = ? AND city = ? "
                             "ORDER BY score DESC, rid LIMIT ?")
                  .arg(columns));
    q.addBindValue(gid);
    q.addBindValue(*nick);
    q.addBindValue(*city);
  } else {
    q.prepare(
        QStringLiteral("SELECT %1 FROM records WHERE gid = ? ORDER BY score DESC, rid LIMIT ?")
            .arg(columns));
    q.addBindValue(gid);
  }
  q.addBindValue(limit);
  if (!q.exec()) return std::nullopt;
  std::vector<Entry> entries;
  while (q.next()) {
    Entry e = EntryFrom(q);
    e.place = nick ? q.value(10).toLongLong() : qint64(entries.size()) + 1;
    entries.push_back(std::move(e));
  }
  return entries;
}

std::optional<qint64> Storage::Count(qint64 gid) {
  QSqlQuery q(Db(connection_));
  q.prepare(QStringLiteral("SELECT COUNT(*) FROM records WHERE gid = ?"));
  q.addBindValue(gid);
  if (!q.exec() || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

bool Storage::EnsureStatsRow(qint64 gid) {
  QSqlQuery q(Db(connection_));
  q.prepare(QStringLiteral("SELECT 1 FROM stats WHERE gid = ?"));
  q.addBindValue(gid);
  if (!q.exec()) return false;
  if (q.next()) return true;
  QString insert = QStringLiteral("INSERT INTO stats VALUES (?, 0, 0, 0, ?");
  for (int i = 0; i < 12; ++i) insert += QStringLiteral(", 0");
  insert += QLatin1Char(')');
  QSqlQuery add(Db(connection_));
  add.prepare(insert);
  add.addBindValue(gid);
  add.addBindValue(QByteArray(""));
  return add.exec();
}

bool Storage::AddStart(qint64 gid, bool first) {
  return InTransaction(Db(connection_), [&] {
    if (!EnsureStatsRow(gid)) return false;
    QSqlQuery q(Db(connection_));
    q.prepare(QStringLiteral(
        "UPDATE stats SET starts = starts + 1, installs = installs + ? WHERE gid = ?"));
    q.addBindValue(first ? 1 : 0);
    q.addBindValue(gid);
    return q.exec();
  });
}

bool Storage::AddLike(qint64 gid, const QByteArray& nick) {
  return InTransaction(Db(connection_), [&] {
    if (!EnsureStatsRow(gid)) return false;
    QSqlQuery q(Db(connection_));
    q.prepare(QStringLiteral("UPDATE stats SET likes = likes + 1, last_like = ? WHERE gid = ?"));
    q.addBindValue(nick);
    q.addBindValue(gid);
    return q.exec();
  });
}

bool Storage::AddSession(qint64 gid, const std::array<qint64, 12>& counters) {
  return InTransaction(Db(connection_), [&] {
    if (!EnsureStatsRow(gid)) return false;
    QString update = QStringLiteral("UPDATE stats SET ");
    for (int i = 1; i <= 12; ++i)
      update +=
          QStringLiteral("%1r%2 = r%2 + ?").arg(i > 1 ? QStringLiteral(", ") : QString()).arg(i);
    update += QStringLiteral(" WHERE gid = ?");
    QSqlQuery q(Db(connection_));
    q.prepare(update);
    for (qint64 value : counters) q.addBindValue(value);
    q.addBindValue(gid);
    return q.exec();
  });
}

std::optional<GameStats> Storage::Stats(qint64 gid) {
  QSqlQuery q(Db(connection_));
  q.prepare(QStringLiteral("SELECT * FROM stats WHERE gid = ?"));
  q.addBindValue(gid);
  if (!q.exec()) return std::nullopt;
  GameStats stats;
  if (!q.next()) return stats;
  stats.starts = q.value(1).toLongLong();
  stats.installs = q.value(2).toLongLong();
  stats.likes = q.value(3).toLongLong();
  stats.last_like = q.value(4).toByteArray();
  for (int i = 0; i < 12; ++i) stats.sums[size_t(i)] = q.value(5 + i).toLongLong();
  return stats;
}

}  // namespace quorvex::server
