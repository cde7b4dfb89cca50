#include "login_throttle.h"

namespace quorvex::server {
namespace {

// Bounds the memory of the counts; past it the finished windows are forgotten.
constexpr qsizetype kMaxAddresses = 10000;

}  // namespace

bool LoginThrottle::Allowed(const QString& address, qint64 now) const {
  const auto it = counts_.constFind(address);
  return it == counts_.constEnd() || now - it->since >= kWindowSeconds ||
         it->failures < kMaxFailures;
}

void LoginThrottle::Failed(const QString& address, qint64 now) {
  if (counts_.size() >= kMaxAddresses) {
    counts_.removeIf([now](const auto& it) { return now - it.value().since >= kWindowSeconds; });
    if (counts_.size() >= kMaxAddresses) counts_.clear();
  }
  Count& count = counts_[address];
  if (now - count.since >= kWindowSeconds) count = {now, 0};
  ++count.failures;
}

void LoginThrottle::Succeeded(const QString& address) {
  counts_.remove(address);
}

}  // namespace quorvex::server
