#include "session_cookie.h"

namespace quorvex::server {
namespace {

const QByteArray kName = QByteArrayLiteral("qvsid");

bool WellFormed(const QByteArray& token) {
  if (token.size() != 64) return false;
  for (const char c : token)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

}  // namespace

QByteArray SessionToken(const QList<QPair<QByteArray, QByteArray>>& headers) {
  for (const auto& [name, value] : headers) {
    if (name.compare("cookie", Qt::CaseInsensitive) != 0) continue;
    for (const QByteArray& pair : value.split(';')) {
      const QByteArray trimmed = pair.trimmed();
      if (trimmed.startsWith(kName + '=')) {
        const QByteArray token = trimmed.mid(kName.size() + 1);
        if (WellFormed(token)) return token;
      }
    }
  }
  return {};
}

QByteArray SessionCookie(const QByteArray& token) {
  return kName + '=' + token + "; Path=/; HttpOnly; SameSite=Strict";
}

}  // namespace quorvex::server
