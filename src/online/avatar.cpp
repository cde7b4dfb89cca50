#include "online/avatar.h"

#include "online/service_request.h"

namespace quorvex {

std::optional<std::string> FetchAvatar(HttpClient& client, const std::string& avatar_base,
                                       const std::string& nick) {
  // A nick is Latin letters, digits and the signs ! ( ) , - . @ _ the account admits; anything
  // else never names a picture. The signs travel percent-encoded.
  if (nick.empty() || nick.size() > 20) return std::nullopt;
  std::string name;
  for (const char c : nick) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.';
    const bool sign = c == '!' || c == '(' || c == ')' || c == ',' || c == '@';
    if (!plain && !sign) return std::nullopt;
    if (plain) {
      name += c;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      name += '%';
      name += kHex[(c >> 4) & 0xF];
      name += kHex[c & 0xF];
    }
  }
  const HttpReply reply = GetAddress(client, avatar_base + name + ".jpg", ExchangeLimit::ShortRead);
  // A JPEG begins with its start-of-image marker.
  if (!reply.ok || reply.body.size() < 4 || reply.body.compare(0, 2, "\xFF\xD8") != 0)
    return std::nullopt;
  return reply.body;
}

}  // namespace quorvex
