// The tournament's standings in the database: one row per member who played a decided match,
// beside the club's tables and made by Storage's migration. A member without a row stands at
// the start (score 0, no games, rating 1500) and is in no ranking.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>
#include <vector>

#include "storage.h"
#include "tournament_rules.h"

namespace quorvex::server {

enum class RankKind { Score, Rating, Games };

struct RankedMember {
  qint64 place = 0;
  QByteArray nick, city, country_code, sex;
  qint64 value = 0;
};

class TournamentStore {
 public:
  explicit TournamentStore(Storage& storage);

  static QStringList SchemaSteps(bool postgres);

  std::optional<Standing> Read(qint64 member_id);
  // Both players' new standings in one transaction; false when nothing was written.
  bool RecordMatch(qint64 seat1_member, qint64 seat2_member, int32_t balance1, int forfeit_by);
  // 1 + the number of ranked members with a greater value of the kind.
  std::optional<qint64> Place(RankKind kind, qint64 value);
  // The best ten by the kind; equal values: the earlier last change first, with one place.
  std::optional<std::vector<RankedMember>> TopTen(RankKind kind);

 private:
  QSqlDatabase Db() const;

  Storage& storage_;
};

}  // namespace quorvex::server
