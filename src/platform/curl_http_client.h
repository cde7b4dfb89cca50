// The online services' HTTP exchanges through libcurl: blocking, on the caller's thread, and
// always bounded in time.
#pragma once

#include <functional>
#include <string>

#include "online/http_client.h"

namespace quorvex {

class CurlHttpClient : public HttpClient {
 public:
  // Limits in milliseconds; the defaults are the program's (tests shorten them).
  struct Limits {
    long connect_ms = kConnectTimeoutMs;
    long short_read_ms = LimitMs(ExchangeLimit::ShortRead);
    long normal_ms = LimitMs(ExchangeLimit::Normal);
    long download_ms = LimitMs(ExchangeLimit::Download);
    size_t max_body = 8u << 20;  // a reply larger than this is refused
  };

  CurlHttpClient();
  explicit CurlHttpClient(Limits limits);
  ~CurlHttpClient() override;
  CurlHttpClient(const CurlHttpClient&) = delete;
  CurlHttpClient& operator=(const CurlHttpClient&) = delete;

  HttpReply Exchange(const HttpRequest& request) override;
  // The whole-exchange limit of a request's class, in milliseconds.
  long LimitOf(ExchangeLimit limit) const;

  // Called with true before an exchange and false after it (the window shows the wait cursor).
  void SetBusyHook(std::function<void(bool)> busy) { busy_ = std::move(busy); }

 private:
  Limits limits_;
  void* handle_ = nullptr;  // one easy handle: its cookies last for the run
  std::function<void(bool)> busy_;
};

}  // namespace quorvex
