// One HTTP exchange of the online services: a POST or a GET, answered with the body or a
// failure. The platform layer implements it with libcurl; tests with fakes or a loopback server.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvex {

// How long an exchange may take. Every exchange is bounded: a service that does not answer
// must not hold the window for ever.
enum class ExchangeLimit {
  ShortRead,  // the lists and statistics: 3 s for the whole exchange
  Normal,     // everything else: 15 s
  Download,   // a resource library of several megabytes: 5 minutes
};

inline constexpr int kConnectTimeoutMs = 5000;
inline int LimitMs(ExchangeLimit limit) {
  return limit == ExchangeLimit::ShortRead  ? 3000
         : limit == ExchangeLimit::Download ? 300000
                                            : 15000;
}

struct HttpRequest {
  std::string url;
  bool post = true;
  std::string body;  // bytes as they go on the wire
  std::string content_type = "application/x-www-form-urlencoded";
  std::string user_agent = "ZefSpecAccess";
  std::string accept = "text/html, */*";
  ExchangeLimit limit = ExchangeLimit::Normal;
  size_t max_body = 0;  // 0: the client's own cap; downloads of resource files allow more
  // When set, the body is handed over piece by piece as it arrives instead of kept in the reply,
  // so that a large download never sits in memory whole; returning false ends the exchange as a
  // failure.
  std::function<bool(std::string_view)> on_body;
};

struct HttpReply {
  bool ok = false;    // a 2xx answer arrived whole in time
  long status = 0;    // the HTTP status, 0 without an answer
  std::string body;   // single bytes as they came
  std::string error;  // why it failed, for the log
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpReply Exchange(const HttpRequest& request) = 0;
};

}  // namespace quorvex
