#include "tournament_store.h"

#include <QSqlQuery>
#include <QVariant>

#include "transaction.h"

namespace quorvex::server {
namespace {

QString Column(RankKind kind) {
  switch (kind) {
    case RankKind::Rating:
      return QStringLiteral("rating");
    case RankKind::Games:
      return QStringLiteral("games");
    case RankKind::Score:
      break;
  }
  return QStringLiteral("score");
}

bool Exec(QSqlQuery& q, std::initializer_list<QVariant> values) {
  for (const QVariant& v : values) q.addBindValue(v);
  return q.exec();
}

}  // namespace

TournamentStore::TournamentStore(Storage& storage) : storage_(storage) {}

QSqlDatabase TournamentStore::Db() const {
  return storage_.Database();
}

QStringList TournamentStore::SchemaSteps(bool) {
  // `changed` counts the matches recorded: the order of the players' last changes.
  QStringList steps{QStringLiteral(
      "CREATE TABLE IF NOT EXISTS tournament_standings (member_id BIGINT PRIMARY KEY REFERENCES "
      "members (id), score BIGINT NOT NULL, games BIGINT NOT NULL, rating BIGINT NOT NULL, "
      "changed BIGINT NOT NULL)")};
  for (const RankKind kind : {RankKind::Score, RankKind::Rating, RankKind::Games})
    steps << QStringLiteral(
                 "CREATE INDEX IF NOT EXISTS tournament_by_%1 ON tournament_standings (%1 DESC, "
                 "changed)")
                 .arg(Column(kind));
  return steps;
}

std::optional<Standing> TournamentStore::Read(qint64 member_id) {
  QSqlQuery q(Db());
  q.prepare(
      QStringLiteral("SELECT score, games, rating FROM tournament_standings WHERE member_id = ?"));
  if (!Exec(q, {member_id})) return std::nullopt;
  Standing s;
  if (!q.next()) return s;
  s.score = q.value(0).toLongLong();
  s.games = q.value(1).toLongLong();
  s.rating = q.value(2).toLongLong();
  return s;
}

bool TournamentStore::RecordMatch(qint64 seat1_member, qint64 seat2_member, int32_t balance1,
                                  int forfeit_by) {
  if (seat1_member == seat2_member) return false;
  QSqlDatabase db = Db();
  const qint64 members[2] = {seat1_member, seat2_member};
  return InTransaction(db, [&] {
    Standing before[2];
    for (int i = 0; i < 2; ++i) {
      QSqlQuery start(db);
      start.prepare(QStringLiteral(
          "INSERT INTO tournament_standings (member_id, score, games, rating, changed) VALUES "
          "(?, 0, 0, ?, 0) ON CONFLICT (member_id) DO NOTHING"));
      if (!Exec(start, {members[i], kStartRating})) return false;
      // Servers sharing PostgreSQL may record matches of one player at once: the rows stay
      // locked from this read to the commit.
      QSqlQuery read(db);
      read.prepare(
          QStringLiteral("SELECT score, games, rating FROM tournament_standings WHERE member_id "
                         "= ?%1")
              .arg(storage_.IsPostgres() ? QStringLiteral(" FOR UPDATE") : QString()));
      if (!Exec(read, {members[i]}) || !read.next()) return false;
      before[i] = {read.value(0).toLongLong(), read.value(1).toLongLong(),
                   read.value(2).toLongLong()};
    }
    QSqlQuery stamp(db);
    if (!stamp.exec(
            QStringLiteral("SELECT COALESCE(MAX(changed), 0) + 1 FROM tournament_standings")) ||
        !stamp.next())
      return false;
    const qint64 changed = stamp.value(0).toLongLong();
    const MatchResult after = ApplyMatch(before[0], before[1], balance1, forfeit_by);
    for (int i = 0; i < 2; ++i) {
      QSqlQuery write(db);
      write.prepare(QStringLiteral(
          "UPDATE tournament_standings SET score = ?, games = ?, rating = ?, changed = ? WHERE "
          "member_id = ?"));
      if (!Exec(write, {after.seat[i].score, after.seat[i].games, after.seat[i].rating, changed,
                        members[i]}) ||
          write.numRowsAffected() != 1)
        return false;
    }
    return true;
  });
}

std::optional<qint64> TournamentStore::Place(RankKind kind, qint64 value) {
  QSqlQuery q(Db());
  q.prepare(
      QStringLiteral("SELECT COUNT(*) FROM tournament_standings WHERE %1 > ?").arg(Column(kind)));
  if (!Exec(q, {value}) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong() + 1;
}

std::optional<std::vector<RankedMember>> TournamentStore::TopTen(RankKind kind) {
  QSqlQuery q(Db());
  q.prepare(QStringLiteral(
                "SELECT m.nick, m.city, m.country2, m.sex, t.%1 FROM tournament_standings t JOIN "
                "members m ON m.id = t.member_id ORDER BY t.%1 DESC, t.changed, t.member_id "
                "LIMIT 10")
                .arg(Column(kind)));
  if (!q.exec()) return std::nullopt;
  std::vector<RankedMember> best;
  while (q.next()) {
    RankedMember e;
    e.nick = q.value(0).toByteArray();
    e.city = q.value(1).toByteArray();
    e.country_code = q.value(2).toByteArray();
    e.sex = q.value(3).toByteArray();
    e.value = q.value(4).toLongLong();
    // A shared value shares its place, as the place of a value is counted.
    e.place =
        !best.empty() && best.back().value == e.value ? best.back().place : qint64(best.size()) + 1;
    best.push_back(std::move(e));
  }
  return best;
}

}  // namespace quorvex::server
