// The club's data: members, their balances, profiles and game records (one per game field
// prefix), and the login sessions. Sessions are rows of the database, so that servers sharing
// one PostgreSQL database know each other's logins and the halves of a transfer may reach
// different servers. The tables live beside the records' and are made by Storage's migration.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "storage.h"

namespace quorvex::server {

struct Member {
  qint64 id = 0;
  QByteArray nick, password, city, country1, country2, sex, email, dater, r01, r02, r03;
  qint64 r05 = 0, r06 = 0;
};

struct GameRecord {
  qint64 kon = 0, best = 0;
  double rating = 0;
  qint64 ses = 0, konl = 0, score = 0, r1 = 0;
  QByteArray r2 = QByteArrayLiteral("#");
};

struct RatingEntry {
  QByteArray nick, city, country1, country2, sex;
  double rating = 0;
};

// The profile's fields in the order they travel: Name1, Name2, About, Telephone, EMailO, WebSite,
// Skype, OK, VK, Telegram, FaceBook, Twitter, Instagramm, YouTube.
using Profile = std::array<QByteArray, 14>;

struct Session {
  qint64 id = 0;
  qint64 member_id = 0;
  QByteArray nick_key;
  // What the session's client may still ask as the second half of a change the server made
  // itself: its own debit after a transfer, its own credit after a bonus.
  qint64 pending_debit = 0, pending_bonus = 0;
};

enum class Registration { Done, Taken, Refused };
enum class TransferResult { Done, NotCovered, Failed };

class AccountStore {
 public:
  // Bounds of what one client address can make the server keep.
  static constexpr int kMaxSessionsPerAddress = 32;
  static constexpr int kMaxRegistrationsPerHour = 20;
  // A session unused this long, or older than the longer time, is gone.
  static constexpr qint64 kSessionIdleSeconds = 24 * 3600;
  static constexpr qint64 kSessionMaxSeconds = 7 * 24 * 3600;

  explicit AccountStore(Storage& storage);

  // The statements that make the club's tables, for Storage's migration.
  static QStringList SchemaSteps(bool postgres);

  Registration Register(const Member& member, const QString& address, qint64 now);
  std::optional<Member> FindMember(const QByteArray& nick_key);
  std::optional<qint64> MemberCount();

  // A member without a record of the prefix gets the empty record.
  std::optional<GameRecord> ReadRecord(qint64 member_id, const QByteArray& prefix);
  bool SaveRecord(qint64 member_id, const QByteArray& prefix, const GameRecord& record);
  // 1 + the number of rated records of the prefix with a higher rating.
  std::optional<qint64> RatingPlace(const QByteArray& prefix, double rating);
  std::optional<std::vector<RatingEntry>> RatingTopTen(const QByteArray& prefix);

  std::optional<qint64> Balance(qint64 member_id);
  // A member who never saved a profile has an empty one.
  std::optional<Profile> ReadProfile(qint64 member_id);
  bool SaveProfile(qint64 member_id, const Profile& profile);

  // A new session of the member: its token for the cookie, empty when it could not be made.
  QByteArray OpenSession(qint64 member_id, const QString& address, qint64 now);
  // The live session of a cookie's token; its last use becomes now.
  std::optional<Session> FindSession(const QByteArray& token, qint64 now);
  void CloseSession(const QByteArray& token);

  // Moves the amount from the session's member to the recipient in one transaction and
  // remembers it as the session's pending debit.
  TransferResult Transfer(const Session& session, qint64 recipient_id, qint64 amount);
  // Clears the session's pending debit or bonus when it is exactly `amount`; false otherwise.
  bool TakePendingDebit(const Session& session, qint64 amount);
  bool TakePendingBonus(const Session& session, qint64 amount);
  // Called inside the transaction of a score-list write: credits the bonus when the member's
  // record of the prefix shows a completed cycle not yet rewarded, and remembers it in the
  // session. The amount paid (0 when none is due); nullopt on a database error.
  std::optional<qint64> PayBonus(const Session& session, const QByteArray& prefix, qint64 amount);

 private:
  QSqlDatabase Db() const;
  bool TakePending(const char* column, const Session& session, qint64 amount);

  Storage& storage_;
};

}  // namespace quorvex::server
