// Wrong passwords from one address are counted: past a few in a short time its password checks
// are refused without hashing, so that no client can guess on and on or keep the server's one
// thread busy with slow hashes. Kept in memory: it guards this process's own time.
#pragma once

#include <QHash>
#include <QString>

namespace quorvex::server {

class LoginThrottle {
 public:
  static constexpr int kMaxFailures = 10;
  static constexpr qint64 kWindowSeconds = 600;

  bool Allowed(const QString& address, qint64 now) const;
  void Failed(const QString& address, qint64 now);
  void Succeeded(const QString& address);

 private:
  struct Count {
    qint64 since = 0;
    int failures = 0;
  };
  QHash<QString, Count> counts_;
};

}  // namespace quorvex::server
