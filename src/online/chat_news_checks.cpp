#include "online/chat_news_checks.h"

#include "online/chat_service.h"
#include "online/service_request.h"

namespace quorvex {

int64_t NewsNumberInPage(std::string_view page) {
  constexpr std::string_view kMarker = "ZefNews";
  const size_t at = page.find(kMarker);
  if (at == std::string_view::npos) return 0;
  const std::string_view digits = page.substr(at + kMarker.size(), 5);
  if (digits.empty()) return 0;
  int64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

NewsCheck CheckNews(HttpClient& client, const std::string& news_address,
                    const std::filesystem::path& folder) {
  NewsCheck check;
  check.seen = ReadNewsSeen(folder);
  const HttpReply page = GetAddress(client, news_address);
  if (page.ok) check.newest = NewsNumberInPage(page.body);
  return check;
}

ChatCheck CheckChat(HttpClient& client, const std::string& records_address,
                    const std::filesystem::path& folder) {
  ChatCheck check;
  check.state = ReadChatState(folder);
  check.newest = ReadChat(client, records_address).Newest();
  return check;
}

}  // namespace quorvex
