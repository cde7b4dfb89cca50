#include "online/public_address.h"

#include "online/service_addresses.h"
#include "online/service_request.h"

namespace quorvex {
namespace {

// Digits, dots, colons and hexadecimal letters only, as in "203.0.113.9" or "2001:db8::1".
bool LooksLikeAddress(const std::string& text) {
  if (text.empty() || text.size() > 45) return false;
  for (const char c : text) {
    const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
                    c == '.' || c == ':';
    if (!ok) return false;
  }
  return text.find('.') != std::string::npos || text.find(':') != std::string::npos;
}

}  // namespace

std::string FetchPublicAddress(HttpClient& client, const std::string& echo_address) {
  const HttpReply reply = GetAddress(client, echo_address);
  if (!reply.ok) return {};
  const size_t first = reply.body.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const size_t last = reply.body.find_last_not_of(" \t\r\n");
  std::string address = reply.body.substr(first, last - first + 1);
  return LooksLikeAddress(address) ? address : std::string();
}

std::string FetchPublicAddress(HttpClient& client) {
  return FetchPublicAddress(client, BuiltInStoredAddress(ServiceAddress::PublicAddressEcho).plain);
}

}  // namespace quorvex
