// One chat message per 15 seconds from one address: a client that sends faster than the game's
// own window allows is refused. Kept in memory: it guards this process's chat.
#pragma once

#include <QHash>
#include <QString>

namespace quorvex::server {

class ChatFloodGuard {
 public:
  static constexpr qint64 kPauseMs = 15000;

  // `now_ms` from a clock that never goes back.
  bool Allowed(const QString& address, qint64 now_ms) const;
  // A message from the address was written.
  void Wrote(const QString& address, qint64 now_ms);

 private:
  QHash<QString, qint64> last_;
};

}  // namespace quorvex::server
