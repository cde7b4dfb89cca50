#include "chat_flood_guard.h"

namespace quorvex::server {

bool ChatFloodGuard::Allowed(const QString& address, qint64 now_ms) const {
  const auto last = last_.constFind(address);
  return last == last_.constEnd() || now_ms - *last >= kPauseMs;
}

void ChatFloodGuard::Wrote(const QString& address, qint64 now_ms) {
  // Addresses whose pause is over are forgotten, so the table holds only the last 15 seconds.
  for (auto it = last_.begin(); it != last_.end();) {
    if (now_ms - *it >= kPauseMs) {
      it = last_.erase(it);
    } else {
      ++it;
    }
  }
  last_.insert(address, now_ms);
}

}  // namespace quorvex::server
