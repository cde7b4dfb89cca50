#include "online/avatar.h"

#include "online/service_request.h"

namespace quorvex {

std::optional<std::string> FetchAvatar(HttpClient& client, const std::string& avatar_base,
                                       const std::string& nick) {
  // A nick is letters, digits and a few signs; anything else never names a picture.
  if (nick.empty() || nick.size() > 20) return std::nullopt;
  for (const char c : nick) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-';
    if (!ok) return std::nullopt;
  }
  const HttpReply reply = GetAddress(client, avatar_base + nick + ".jpg", ExchangeLimit::ShortRead);
  // A JPEG begins with its start-of-image marker.
  if (!reply.ok || reply.body.size() < 4 || reply.body.compare(0, 2, "\xFF\xD8") != 0)
    return std::nullopt;
  return reply.body;
}

}  // namespace quorvex
