#include "account_store.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

#include "account_fields.h"
#include "transaction.h"

namespace quorvex::server {
namespace {

const char* const kProfileColumns[14] = {
    "name1", "name2", "about",    "telephone", "emailo",  "website",    "skype",
    "ok",    "vk",    "telegram", "facebook",  "twitter", "instagramm", "youtube"};

// Only a hash of a session's token is kept: the database alone opens no session.
QByteArray TokenHash(const QByteArray& token) {
  return QCryptographicHash::hash(token, QCryptographicHash::Sha256);
}

QByteArray NewToken() {
  QByteArray bytes(32, Qt::Uninitialized);
  QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(bytes.data()),
                                       reinterpret_cast<quint32*>(bytes.data() + bytes.size()));
  return bytes.toHex();
}

bool Exec(QSqlQuery& q, std::initializer_list<QVariant> values) {
  for (const QVariant& v : values) q.addBindValue(v);
  return q.exec();
}

}  // namespace

AccountStore::AccountStore(Storage& storage) : storage_(storage) {}

QSqlDatabase AccountStore::Db() const {
  return storage_.Database();
}

QStringList AccountStore::SchemaSteps(bool postgres) {
  const QString blob = postgres ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
  const QString key = postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                               : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
  QString profiles = QStringLiteral(
      "CREATE TABLE IF NOT EXISTS profiles (member_id BIGINT "
      "PRIMARY KEY REFERENCES members (id)");
  for (const char* column : kProfileColumns)
    profiles += QStringLiteral(", %1 %2 NOT NULL").arg(QLatin1String(column), blob);
  profiles += QLatin1Char(')');
  return {
      QStringLiteral(
          "CREATE TABLE IF NOT EXISTS members (id %1, nick %2 NOT NULL, nick_key %2 NOT NULL, "
          "password %2 NOT NULL, city %2 NOT NULL, country1 %2 NOT NULL, country2 %2 NOT NULL, "
          "sex %2 NOT NULL, email %2 NOT NULL, dater %2 NOT NULL, r01 %2 NOT NULL, r02 %2 NOT "
          "NULL, r03 %2 NOT NULL, r05 BIGINT NOT NULL, r06 BIGINT NOT NULL, registered_at BIGINT "
          "NOT NULL, registered_from TEXT NOT NULL)")
          .arg(key, blob),
      // Two registrations of one nick at once: the database lets one of them in.
      QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS members_nick ON members (nick_key)"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS members_registered ON members (registered_from, "
                     "registered_at)"),
      QStringLiteral("CREATE TABLE IF NOT EXISTS balances (member_id BIGINT PRIMARY KEY "
                     "REFERENCES members (id), zefs BIGINT NOT NULL)"),
      profiles,
      QStringLiteral("CREATE TABLE IF NOT EXISTS game_records (member_id BIGINT NOT NULL "
                     "REFERENCES members (id), prefix TEXT NOT NULL, kon BIGINT NOT NULL, best "
                     "BIGINT NOT NULL, rating DOUBLE PRECISION NOT NULL, ses BIGINT NOT NULL, konl "
                     "BIGINT NOT NULL, score BIGINT NOT NULL, r1 BIGINT NOT NULL, r2 %1 NOT NULL, "
                     "bonus_cycles BIGINT NOT NULL, PRIMARY KEY (member_id, prefix))")
          .arg(blob),
      QStringLiteral(
          "CREATE INDEX IF NOT EXISTS game_records_rating ON game_records (prefix, rating DESC)"),
      QStringLiteral("CREATE TABLE IF NOT EXISTS sessions (id %1, token_hash %2 NOT NULL UNIQUE, "
                     "member_id BIGINT NOT NULL REFERENCES members (id), address TEXT NOT NULL, "
                     "created BIGINT NOT NULL, seen BIGINT NOT NULL, pending_debit BIGINT NOT "
                     "NULL, pending_bonus BIGINT NOT NULL)")
          .arg(key, blob),
      QStringLiteral("CREATE INDEX IF NOT EXISTS sessions_address ON sessions (address, seen)"),
      QStringLiteral("CREATE INDEX IF NOT EXISTS sessions_seen ON sessions (seen)"),
  };
}

Registration AccountStore::Register(const Member& m, const QString& address, qint64 now) {
  QSqlDatabase db = Db();
  QSqlQuery q(db);
  q.prepare(QStringLiteral(
      "SELECT COUNT(*) FROM members WHERE registered_from = ? AND registered_at > ?"));
  if (!Exec(q, {address, now - 3600}) || !q.next()) return Registration::Refused;
  if (q.value(0).toLongLong() >= kMaxRegistrationsPerHour) return Registration::Refused;
  const QByteArray key = NickKey(m.nick);
  if (FindMember(key)) return Registration::Taken;
  const bool ok = InTransaction(db, [&] {
    QSqlQuery add(db);
    add.prepare(QStringLiteral(
        "INSERT INTO members (nick, nick_key, password, city, country1, country2, sex, email, "
        "dater, r01, r02, r03, r05, r06, registered_at, registered_from) VALUES (?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    if (!Exec(add, {m.nick, key, m.password, m.city, m.country1, m.country2, m.sex, m.email,
                    m.dater, m.r01, m.r02, m.r03, m.r05, m.r06, now, address}) ||
        !add.next())
      return false;
    const qint64 id = add.value(0).toLongLong();
    add.finish();
    QSqlQuery balance(db);
    balance.prepare(QStringLiteral("INSERT INTO balances (member_id, zefs) VALUES (?, 0)"));
    return Exec(balance, {id});
  });
  if (ok) return Registration::Done;
  // The unique index refused a registration of the same nick that came in between.
  return FindMember(key) ? Registration::Taken : Registration::Refused;
}

std::optional<Member> AccountStore::FindMember(const QByteArray& nick_key) {
  QSqlQuery q(Db());
  q.prepare(QStringLiteral(
      "SELECT id, nick, password, city, country1, country2, sex, email, dater, r01, r02, r03, "
      "r05, r06 FROM members WHERE nick_key = ?"));
  if (!Exec(q, {nick_key}) || !q.next()) return std::nullopt;
  Member m;
  m.id = q.value(0).toLongLong();
  QByteArray* texts[] = {&m.nick,  &m.password, &m.city, &m.country1, &m.country2, &m.sex,
                         &m.email, &m.dater,    &m.r01,  &m.r02,      &m.r03};
  for (int i = 0; i < 11; ++i) *texts[i] = q.value(1 + i).toByteArray();
  m.r05 = q.value(12).toLongLong();
  m.r06 = q.value(13).toLongLong();
  return m;
}

std::optional<qint64> AccountStore::MemberCount() {
  QSqlQuery q(Db());
  if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM members")) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

std::optional<GameRecord> AccountStore::ReadRecord(qint64 member_id, const QByteArray& prefix) {
  QSqlQuery q(Db());
  q.prepare(
      QStringLiteral("SELECT kon, best, rating, ses, konl, score, r1, r2 FROM game_records "
                     "WHERE member_id = ? AND prefix = ?"));
  if (!Exec(q, {member_id, QString::fromLatin1(prefix)})) return std::nullopt;
  GameRecord r;
  if (!q.next()) return r;
  r.kon = q.value(0).toLongLong();
  r.best = q.value(1).toLongLong();
  r.rating = q.value(2).toDouble();
  r.ses = q.value(3).toLongLong();
  r.konl = q.value(4).toLongLong();
  r.score = q.value(5).toLongLong();
  r.r1 = q.value(6).toLongLong();
  r.r2 = q.value(7).toByteArray();
  return r;
}

bool AccountStore::SaveRecord(qint64 member_id, const QByteArray& prefix, const GameRecord& r) {
  QSqlDatabase db = Db();
  return InTransaction(db, [&] {
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO game_records (member_id, prefix, kon, best, rating, ses, konl, score, r1, r2, "
        "bonus_cycles) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0) ON CONFLICT (member_id, prefix) "
        "DO UPDATE SET kon = excluded.kon, best = excluded.best, rating = excluded.rating, ses = "
        "excluded.ses, konl = excluded.konl, score = excluded.score, r1 = excluded.r1, r2 = "
        "excluded.r2"));
    return Exec(q, {member_id, QString::fromLatin1(prefix), r.kon, r.best, r.rating, r.ses, r.konl,
                    r.score, r.r1, r.r2});
  });
}

std::optional<qint64> AccountStore::RatingPlace(const QByteArray& prefix, double rating) {
  QSqlQuery q(Db());
  q.prepare(QStringLiteral(
      "SELECT COUNT(*) FROM game_records WHERE prefix = ? AND kon > 0 AND rating > ?"));
  if (!Exec(q, {QString::fromLatin1(prefix), rating}) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong() + 1;
}

std::optional<std::vector<RatingEntry>> AccountStore::RatingTopTen(const QByteArray& prefix) {
  QSqlQuery q(Db());
  // Members who never played a rated deal have no rating yet; equal ratings: the older member
  // first.
  q.prepare(QStringLiteral(
      "SELECT m.nick, m.city, m.country1, m.country2, m.sex, g.rating FROM game_records g JOIN "
      "members m ON m.id = g.member_id WHERE g.prefix = ? AND g.kon > 0 ORDER BY g.rating DESC, "
      "m.id LIMIT 10"));
  if (!Exec(q, {QString::fromLatin1(prefix)})) return std::nullopt;
  std::vector<RatingEntry> entries;
  while (q.next()) {
    RatingEntry e;
    e.nick = q.value(0).toByteArray();
    e.city = q.value(1).toByteArray();
    e.country1 = q.value(2).toByteArray();
    e.country2 = q.value(3).toByteArray();
    e.sex = q.value(4).toByteArray();
    e.rating = q.value(5).toDouble();
    entries.push_back(std::move(e));
  }
  return entries;
}

std::optional<qint64> AccountStore::Balance(qint64 member_id) {
  QSqlQuery q(Db());
  q.prepare(QStringLiteral("SELECT zefs FROM balances WHERE member_id = ?"));
  if (!Exec(q, {member_id}) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

std::optional<Profile> AccountStore::ReadProfile(qint64 member_id) {
  QString select = QStringLiteral("SELECT ");
  for (int i = 0; i < 14; ++i)
    select += (i ? QStringLiteral(", ") : QString()) + QLatin1String(kProfileColumns[i]);
  select += QStringLiteral(" FROM profiles WHERE member_id = ?");
  QSqlQuery q(Db());
  q.prepare(select);
  if (!Exec(q, {member_id})) return std::nullopt;
  Profile profile;
  if (q.next())
    for (int i = 0; i < 14; ++i) profile[size_t(i)] = q.value(i).toByteArray();
  return profile;
}

bool AccountStore::SaveProfile(qint64 member_id, const Profile& profile) {
  QString columns, marks, updates;
  for (int i = 0; i < 14; ++i) {
    const QString column = QLatin1String(kProfileColumns[i]);
    columns += QStringLiteral(", ") + column;
    marks += QStringLiteral(", ?");
    updates +=
        (i ? QStringLiteral(", ") : QString()) + QStringLiteral("%1 = excluded.%1").arg(column);
  }
  QSqlDatabase db = Db();
  return InTransaction(db, [&] {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO profiles (member_id%1) VALUES (?%2) ON CONFLICT "
                             "(member_id) DO UPDATE SET %3")
                  .arg(columns, marks, updates));
    q.addBindValue(member_id);
    // An empty text is stored as an empty value, not as NULL.
    for (const QByteArray& field : profile) q.addBindValue(field.isNull() ? QByteArray("") : field);
    return q.exec();
  });
}

QByteArray AccountStore::OpenSession(qint64 member_id, const QString& address, qint64 now) {
  QSqlDatabase db = Db();
  const QByteArray token = NewToken();
  const bool ok = InTransaction(db, [&] {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM sessions WHERE seen < ? OR created < ?"));
    if (!Exec(q, {now - kSessionIdleSeconds, now - kSessionMaxSeconds})) return false;
    // One address keeps its newest sessions only.
    QSqlQuery own(db);
    own.prepare(
        QStringLiteral("SELECT id FROM sessions WHERE address = ? ORDER BY seen DESC, id DESC"));
    if (!Exec(own, {address})) return false;
    QList<qint64> surplus;
    for (int n = 0; own.next(); ++n)
      if (n >= kMaxSessionsPerAddress - 1) surplus << own.value(0).toLongLong();
    for (const qint64 id : surplus) {
      QSqlQuery drop(db);
      drop.prepare(QStringLiteral("DELETE FROM sessions WHERE id = ?"));
      if (!Exec(drop, {id})) return false;
    }
    QSqlQuery add(db);
    add.prepare(QStringLiteral(
        "INSERT INTO sessions (token_hash, member_id, address, created, seen, pending_debit, "
        "pending_bonus) VALUES (?, ?, ?, ?, ?, 0, 0)"));
    return Exec(add, {TokenHash(token), member_id, address, now, now});
  });
  return ok ? token : QByteArray();
}

std::optional<Session> AccountStore::FindSession(const QByteArray& token, qint64 now) {
  QSqlQuery q(Db());
  q.prepare(QStringLiteral(
      "SELECT s.id, s.member_id, m.nick_key, s.pending_debit, s.pending_bonus, s.seen FROM "
      "sessions s JOIN members m ON m.id = s.member_id WHERE s.token_hash = ? AND s.seen >= ? "
      "AND s.created >= ?"));
  if (!Exec(q, {TokenHash(token), now - kSessionIdleSeconds, now - kSessionMaxSeconds}) ||
      !q.next())
    return std::nullopt;
  Session s;
  s.id = q.value(0).toLongLong();
  s.member_id = q.value(1).toLongLong();
  s.nick_key = q.value(2).toByteArray();
  s.pending_debit = q.value(3).toLongLong();
  s.pending_bonus = q.value(4).toLongLong();
  // A write for every request would be wasted; a minute of accuracy is plenty.
  if (now - q.value(5).toLongLong() >= 60) {
    QSqlQuery touch(Db());
    touch.prepare(QStringLiteral("UPDATE sessions SET seen = ? WHERE id = ?"));
    Exec(touch, {now, s.id});
  }
  return s;
}

void AccountStore::CloseSession(const QByteArray& token) {
  QSqlQuery q(Db());
  q.prepare(QStringLiteral("DELETE FROM sessions WHERE token_hash = ?"));
  Exec(q, {TokenHash(token)});
}

TransferResult AccountStore::Transfer(const Session& session, qint64 recipient_id, qint64 amount) {
  QSqlDatabase db = Db();
  bool covered = true;
  const bool ok = InTransaction(db, [&] {
    // The sender's balance is tested and taken in one statement, so two transfers at once
    // cannot both spend it.
    QSqlQuery take(db);
    take.prepare(
        QStringLiteral("UPDATE balances SET zefs = zefs - ? WHERE member_id = ? AND zefs >= ?"));
    if (!Exec(take, {amount, session.member_id, amount})) return false;
    if (take.numRowsAffected() != 1) {
      covered = false;
      return false;
    }
    QSqlQuery give(db);
    give.prepare(QStringLiteral("UPDATE balances SET zefs = zefs + ? WHERE member_id = ?"));
    if (!Exec(give, {amount, recipient_id}) || give.numRowsAffected() != 1) return false;
    QSqlQuery remember(db);
    remember.prepare(QStringLiteral("UPDATE sessions SET pending_debit = ? WHERE id = ?"));
    return Exec(remember, {amount, session.id}) && remember.numRowsAffected() == 1;
  });
  if (ok) return TransferResult::Done;
  return covered ? TransferResult::Failed : TransferResult::NotCovered;
}

bool AccountStore::TakePending(const char* column, const Session& session, qint64 amount) {
  QSqlQuery q(Db());
  // Conditional, so that of two requests at once only one is answered as the second half.
  q.prepare(QStringLiteral("UPDATE sessions SET %1 = 0 WHERE id = ? AND %1 = ?")
                .arg(QLatin1String(column)));
  return amount > 0 && Exec(q, {session.id, amount}) && q.numRowsAffected() == 1;
}

bool AccountStore::TakePendingDebit(const Session& session, qint64 amount) {
  return TakePending("pending_debit", session, amount);
}

bool AccountStore::TakePendingBonus(const Session& session, qint64 amount) {
  return TakePending("pending_bonus", session, amount);
}

std::optional<qint64> AccountStore::PayBonus(const Session& session, const QByteArray& prefix,
                                             qint64 amount) {
  QSqlDatabase db = Db();
  // One bonus for each completed cycle the member's record counts.
  QSqlQuery cycle(db);
  cycle.prepare(QStringLiteral(
      "UPDATE game_records SET bonus_cycles = ses WHERE member_id = ? AND prefix = ? AND ses > "
      "bonus_cycles"));
  if (!Exec(cycle, {session.member_id, QString::fromLatin1(prefix)})) return std::nullopt;
  if (cycle.numRowsAffected() != 1) return 0;
  QSqlQuery pay(db);
  pay.prepare(QStringLiteral("UPDATE balances SET zefs = zefs + ? WHERE member_id = ?"));
  if (!Exec(pay, {amount, session.member_id}) || pay.numRowsAffected() != 1) return std::nullopt;
  QSqlQuery remember(db);
  remember.prepare(QStringLiteral("UPDATE sessions SET pending_bonus = ? WHERE id = ?"));
  if (!Exec(remember, {amount, session.id})) return std::nullopt;
  return amount;
}

}  // namespace quorvex::server
